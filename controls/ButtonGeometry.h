// Pixel arithmetic of the skinned buttons: the part of a face image that is drawn, and the hit
// area an owner may test clicks against.
#pragma once

#include "framework/Geometry.h"

namespace halvane {

using PixelRect = fw::IntRect;

struct PixelSize {
    int width = 0;
    int height = 0;
};

using HitMargins = fw::Insets;

// Source size of a face image stretched over the button. Above scale 1.0 the last column and row
// are left out (at scale 1.0 and below the whole image is used); the source always starts at 0, 0.
PixelSize FaceSourceSize(int imageWidth, int imageHeight, float scale) noexcept;

// `rect` with each edge moved inward by its margin.
PixelRect ShrinkByMargins(const PixelRect& rect, const HitMargins& margins) noexcept;

// Left and top edges inside, right and bottom outside, as PtInRect.
bool ContainsPoint(const PixelRect& rect, int x, int y) noexcept;

} // namespace halvane
