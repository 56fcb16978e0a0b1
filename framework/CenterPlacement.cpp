#include "framework/CenterPlacement.h"

namespace halvane::fw {

namespace {

int Clamp(int start, int length, int areaStart, int areaEnd) noexcept {
    if (start + length > areaEnd)
        start = areaEnd - length;
    if (start < areaStart)
        start = areaStart;
    return start;
}

} // namespace

IntPoint CenteredTopLeft(const IntRect& window, const IntRect& centerOn,
                         const IntRect& workArea) noexcept {
    const int w = window.Width();
    const int h = window.Height();
    IntPoint p;
    p.x = (centerOn.left + centerOn.right) / 2 - w / 2;
    p.y = (centerOn.top + centerOn.bottom) / 2 - h / 2;
    p.x = Clamp(p.x, w, workArea.left, workArea.right);
    p.y = Clamp(p.y, h, workArea.top, workArea.bottom);
    return p;
}

} // namespace halvane::fw
