#include "app/HalvaneApp.h"

#include <commctrl.h>

#include <iterator>

#include "app/HalvaneDlg.h"
#include "controls/PngCache.h"
#include "framework/GdiplusSession.h"
#include "framework/Handles.h"
#include "framework/RichEditCtrl.h"

namespace halvane {

namespace {
// Support restart (the restart manager's "restart" flag).
constexpr DWORD kRestartManagerSupportRestart = 0x01;

// Decoded ahead on a worker while the windows are made: the main window and panel in the order
// they are first drawn, then what each mode change shows (please-wait and outcome prompt).
// clang-format off
constexpr WORD kPrefetchedPngs[] = {
    IDB_MAIN_FRAME, IDB_PANEL_BK,
    IDB_PANEL_CLOSE_NORMAL, IDB_PANEL_CLOSE_HOVER, IDB_PANEL_CLOSE_PRESSED, IDB_PANEL_CLOSE_DISABLED,
    IDB_PANEL_MIN_NORMAL, IDB_PANEL_MIN_HOVER, IDB_PANEL_MIN_PRESSED, IDB_PANEL_MIN_DISABLED,
    IDB_SET_NORMAL, IDB_SET_HOVER, IDB_SET_PRESSED, IDB_SET_DISABLED,
    IDB_MORE_TOOLS_NORMAL, IDB_MORE_TOOLS_HOVER, IDB_MORE_TOOLS_PRESSED, IDB_MORE_TOOLS_DISABLED,
    IDB_CHECKBOX,
    IDB_PROGRESS_FRAME, IDB_PROGRESS_BK,
    IDB_PROMPT_FRAME, IDB_PROMPT_BK,
    IDB_PROMPT_CLOSE_NORMAL, IDB_PROMPT_CLOSE_HOVER, IDB_PROMPT_CLOSE_PRESSED,
    IDB_PROMPT_CONFIRM_NORMAL, IDB_PROMPT_CONFIRM_HOVER, IDB_PROMPT_CONFIRM_PRESSED};
// clang-format on
} // namespace

CHalvaneApp::CHalvaneApp() noexcept {
    m_dwRestartManagerSupportFlags = kRestartManagerSupportRestart;
}

BOOL CHalvaneApp::InitInstance() noexcept {
    {
        // No step's result is examined: without GDI+ the skins are created but draw nothing.
        const fw::GdiplusSession gdiplus;
        // Every skin image is released with the cache, before GDI+ shuts down.
        CPngCache pngCache;
        pngCache.Prefetch(kPrefetchedPngs, std::size(kPrefetchedPngs));
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
