// CAboutDlg: the standard About box (template 100), opened from the main window's system menu.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

namespace halvane {

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr) noexcept : CDialog(IDD_ABOUTBOX, parent) {}
};

} // namespace halvane
