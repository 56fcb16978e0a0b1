// Integer rectangles, points and insets in pixels, and the one way a scaled length becomes
// pixels. Pure arithmetic: the Win32 side converts to and from RECT/POINT.
#pragma once

namespace halvane::fw {

struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const noexcept { return right - left; }
    constexpr int Height() const noexcept { return bottom - top; }
};

struct IntPoint {
    int x = 0;
    int y = 0;
};

// Distances inward from each edge of a rectangle.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A scaled length to pixels: toward zero, as a C cast. Taking double keeps float arguments exact,
// so float and double callers truncate the same value they computed.
constexpr int Trunc(double value) noexcept {
    return static_cast<int>(value);
}

} // namespace halvane::fw
