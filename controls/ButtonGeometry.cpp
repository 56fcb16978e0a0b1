#include "controls/ButtonGeometry.h"

namespace halvane {

PixelSize FaceSourceSize(int imageWidth, int imageHeight, float scale) noexcept {
    if (scale > 1.0f && imageWidth > 0 && imageHeight > 0)
        return PixelSize{imageWidth - 1, imageHeight - 1};
    return PixelSize{imageWidth, imageHeight};
}

PixelRect ShrinkByMargins(const PixelRect& rect, const HitMargins& margins) noexcept {
    return PixelRect{rect.left + margins.left, rect.top + margins.top, rect.right - margins.right,
                     rect.bottom - margins.bottom};
}

bool ContainsPoint(const PixelRect& rect, int x, int y) noexcept {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

} // namespace halvane
