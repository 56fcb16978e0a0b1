// Resource ids of the framework's test executable.
#pragma once

#define IDD_TEST_DIALOG 200
#define IDD_TEST_EMPTY 201
#define IDC_TEST_EDIT 1001
#define IDC_TEST_BUTTON 1002
#define IDC_TEST_OWNERDRAW 1003
#define IDC_TEST_MISSING 1099
