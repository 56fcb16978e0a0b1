// The display scale factor of the skinned windows, from the screen's vertical DPI. Pure
// arithmetic; ScreenDpi.h reads the DPI on Windows.
#pragma once

namespace halvane::fw {

// DPI / 96 in integer arithmetic above 100 dpi, else 1: 96, 120 and 144 dpi give 1, 192 gives 2.
float ScaleFromDpi(int logPixelsY) noexcept;

// Whether a screen of that DPI asks for a scale of its own (above 100 dpi); below it windows keep
// the scale they were constructed with.
constexpr bool DpiAsksForScale(int logPixelsY) noexcept {
    return logPixelsY > 100;
}

} // namespace halvane::fw
