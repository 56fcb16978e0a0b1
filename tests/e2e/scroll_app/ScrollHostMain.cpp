// The skinned scroll bar on a long rich edit, for the end-to-end harness.
#include <windows.h>

#include <commctrl.h>

#include "ScrollHost.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    INITCOMMONCONTROLSEX controls{static_cast<DWORD>(sizeof(INITCOMMONCONTROLSEX)),
                                  ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    halvane::test::CScrollHost host;
    if (!host.Open(100, 100, 200))
        return 1;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
