// Where the outer and inner windows of a pair lie for any scale factor. Every product with the
// scale is truncated toward zero, in float as the windows compute it.
#pragma once

#include "dialogs/SkinPairParams.h"
#include "framework/CenterPlacement.h"

namespace halvane {

// trunc(pixels * scale)
int ScaleLength(int pixels, float scale) noexcept;

// The outer window's size: the pair's outer size scaled.
fw::IntPoint OuterSize(const SkinPairParams& params, float scale) noexcept;

// The outer at its scaled size centred on a screen of that size: the screen's halves lose their
// half pixel, the scaled half sizes are truncated on their own.
fw::IntRect CentredOuterRect(const SkinPairParams& params, int screenWidth, int screenHeight,
                             float scale) noexcept;

// The inner as the outer places it right after creating it: the left/top products are added to
// the outer's corner before truncation, and the width/height lose the scaled sum of two insets.
fw::IntRect InitialInnerRect(const SkinPairParams& params, const fw::IntRect& outer,
                             float scale) noexcept;

// The inner that follows a move of the outer: the outer shrunk by each scaled move inset.
fw::IntRect InnerRectForOuter(const SkinPairParams& params, const fw::IntRect& outer,
                              float scale) noexcept;

// The outer that follows a dragged inner: the inner grown by each scaled inset.
fw::IntRect OuterRectAroundInner(const SkinPairParams& params, const fw::IntRect& inner,
                                 float scale) noexcept;

// The caption strip of an inner whose client rectangle (in screen coordinates) is `client`:
// its top rows, short of the right margin. Empty for a pair without a strip.
fw::IntRect CaptionStrip(const SkinPairParams& params, const fw::IntRect& client,
                         float scale) noexcept;

// Whether a screen point grabs the pair (left/top edges inside, right/bottom outside).
bool IsInCaption(const SkinPairParams& params, const fw::IntRect& client, fw::IntPoint point,
                 float scale) noexcept;

} // namespace halvane
