// Resource ids of the controls' test executable.
#pragma once

#define IDD_FONT_DIALOG 400
#define IDC_FONT_LABEL 1001
#define IDP_RGBA_4X3 300
#define IDP_RGB_2X2 301
#define IDP_NOT_A_PNG 302
#define IDP_NOISE_64 303
#define IDP_MISSING 399
