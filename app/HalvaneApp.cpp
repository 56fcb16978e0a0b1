#include "app/HalvaneApp.h"

#include <commctrl.h>

#include <string>

#include "app/HalvaneDlg.h"
#include "framework/GdiplusSession.h"
#include "framework/Handles.h"

namespace halvane {

namespace {
// Support restart (the restart manager's "restart" flag).
constexpr DWORD kRestartManagerSupportRestart = 0x01;

// RichEdit20W. Loaded by full path from the system folder: the tool runs elevated from a folder
// the user was handed, and a planted riched20.dll there must never be loaded.
fw::ModuleHandle LoadRichEditLibrary() noexcept {
    wchar_t system[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return fw::ModuleHandle();
    try {
        const std::wstring path = std::wstring(system, length) + L"\\riched20.dll";
        return fw::ModuleHandle(::LoadLibraryW(path.c_str()));
    } catch (...) {
        return fw::ModuleHandle();
    }
}
} // namespace

CHalvaneApp::CHalvaneApp() noexcept {
    m_dwRestartManagerSupportFlags = kRestartManagerSupportRestart;
}

BOOL CHalvaneApp::InitInstance() noexcept {
    {
        // No step's result is examined: without GDI+ the skins are created but draw nothing.
        const fw::GdiplusSession gdiplus;
        INITCOMMONCONTROLSEX controls{static_cast<DWORD>(sizeof(INITCOMMONCONTROLSEX)),
                                      ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        CWinApp::InitInstance();
        const fw::ModuleHandle richEdit = LoadRichEditLibrary();

        CHalvaneDlg dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    } // the rich edit library, then GDI+, go here, after every window and image
    return FALSE;
}

// The one application object.
CHalvaneApp theApp;

} // namespace halvane
