#include "framework/DisplayScale.h"

namespace halvane::fw {

float ScaleFromDpi(int logPixelsY) noexcept {
    // Below 100 dpi the division would give 0 and shrink everything to nothing.
    if (DpiAsksForScale(logPixelsY))
        return static_cast<float>(logPixelsY / 96);
    return 1.0f;
}

} // namespace halvane::fw
