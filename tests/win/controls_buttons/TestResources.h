// Resource ids of the buttons' test executable, beside Halvane's own resources.
#pragma once

#define IDP_EDGE_4X4 900 // blue, with a red last column and a red last row
#define IDP_MISSING 999  // no such resource
