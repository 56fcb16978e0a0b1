#include "app/HalvaneApp.h"

#include <commctrl.h>

#include "app/HalvaneDlg.h"
#include "controls/PngCache.h"
#include "framework/GdiplusSession.h"
#include "framework/Handles.h"
#include "framework/RichEditCtrl.h"

namespace halvane {

namespace {
// Support restart (the restart manager's "restart" flag).
constexpr DWORD kRestartManagerSupportRestart = 0x01;
} // namespace

CHalvaneApp::CHalvaneApp() noexcept {
    m_dwRestartManagerSupportFlags = kRestartManagerSupportRestart;
}

BOOL CHalvaneApp::InitInstance() noexcept {
    {
        // No step's result is examined: without GDI+ the skins are created but draw nothing.
        const fw::GdiplusSession gdiplus;
        // Every skin image is released with the cache, before GDI+ shuts down.
        const CPngCache pngCache;
        INITCOMMONCONTROLSEX controls{static_cast<DWORD>(sizeof(INITCOMMONCONTROLSEX)),
                                      ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        CWinApp::InitInstance();
        const fw::ModuleHandle richEdit = CRichEditCtrl::LoadRichEditLibrary();

        CHalvaneDlg dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    } // the rich edit library, the images, then GDI+, go here, after every window and image
    return FALSE;
}

// The one application object.
CHalvaneApp theApp;

} // namespace halvane
