#include "framework/ScreenDpi.h"

#include <windows.h>

namespace halvane::fw {

int ScreenLogPixelsY() noexcept {
    const HDC screen = ::GetDC(nullptr);
    if (screen == nullptr)
        return 0;
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace halvane::fw
