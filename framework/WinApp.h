// The application object: InitInstance, the main window, the message loop and the list of
// modeless dialogs that every loop routes to PreTranslateMessage. One object per process, built
// before start-up; Current() finds it.
#pragma once

#include <windows.h>

#include <vector>

namespace halvane {

class CWnd;
class CDialog;

class CWinApp {
public:
    CWinApp() noexcept;
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Current() noexcept;

    // The body of wWinMain: InitInstance, then Run when it succeeded; the process exit code.
    int Main() noexcept;

    virtual BOOL InitInstance() noexcept { return TRUE; }
    // Message loop until WM_QUIT; returns ExitInstance().
    virtual int Run() noexcept;
    // The exit code: WM_QUIT's wParam, 0 if the loop never ran.
    virtual int ExitInstance() noexcept { return m_exitCode; }

    bool AddModeless(CDialog* dialog) noexcept;
    void RemoveModeless(CDialog* dialog) noexcept;
    // The modeless dialog that is `window` or holds it as a child control, or null.
    CDialog* FindModeless(HWND window) const noexcept;

    CWnd* m_pMainWnd = nullptr;
    // Kept for the restart manager; nothing in the framework reads it.
    DWORD m_dwRestartManagerSupportFlags = 0;

protected:
    int m_exitCode = 0;

private:
    std::vector<CDialog*> m_modeless;
};

} // namespace halvane
