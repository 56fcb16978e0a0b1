// A small plain Win32 program that the end-to-end harness drives in its own tests.
#include "tests/e2e/demo_app/DemoWindow.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    demo::CDemoWindow window;
    if (!window.Create(instance, 100, 100))
        return 100;
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got < 0 ? 101 : static_cast<int>(msg.wParam);
}
