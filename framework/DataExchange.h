// DoDataExchange support: DDX_Control binds a member control to the dialog's control once.
#pragma once

#include <windows.h>

namespace halvane {

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) noexcept
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // Records the first control that could not be exchanged.
    void Fail(int controlId) noexcept {
        if (!m_failed)
            m_failedControl = controlId;
        m_failed = true;
    }
    bool Failed() const noexcept { return m_failed; }
    int FailedControl() const noexcept { return m_failedControl; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    bool m_failed = false;
    int m_failedControl = 0;
};

// Binds `control` to the dialog's control `controlId` (SetWindowSubclass) the first time it is
// called; later calls leave the binding alone. A missing control marks the exchange failed.
void DDX_Control(CDataExchange* dx, int controlId, CWnd& control) noexcept;

} // namespace halvane
