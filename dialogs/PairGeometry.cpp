#include "dialogs/PairGeometry.h"

namespace halvane {

int ScaleLength(int pixels, float scale) noexcept {
    return static_cast<int>(static_cast<float>(pixels) * scale);
}

fw::IntPoint OuterSize(const SkinPairParams& params, float scale) noexcept {
    return {ScaleLength(params.outerWidth, scale), ScaleLength(params.outerHeight, scale)};
}

fw::IntRect CentredOuterRect(const SkinPairParams& params, int screenWidth, int screenHeight,
                             float scale) noexcept {
    const float width = scale * static_cast<float>(params.outerWidth);
    const float height = scale * static_cast<float>(params.outerHeight);
    const int left = screenWidth / 2 - static_cast<int>(width / 2);
    const int top = screenHeight / 2 - static_cast<int>(height / 2);
    return {left, top, left + static_cast<int>(width), top + static_cast<int>(height)};
}

fw::IntRect InitialInnerRect(const SkinPairParams& params, const fw::IntRect& outer,
                             float scale) noexcept {
    const SkinInsets& in = params.insets;
    const int x = static_cast<int>(static_cast<float>(outer.left) + in.left * scale);
    const int y = static_cast<int>(static_cast<float>(outer.top) + in.top * scale);
    const int width = static_cast<int>(static_cast<float>(outer.Width()) -
                                       static_cast<float>(in.left + in.right) * scale);
    const int height = static_cast<int>(static_cast<float>(outer.Height()) -
                                        static_cast<float>(in.top + in.bottom) * scale);
    return {x, y, x + width, y + height};
}

fw::IntRect InnerRectForOuter(const SkinPairParams& params, const fw::IntRect& outer,
                              float scale) noexcept {
    const SkinInsets& in = params.moveInsets;
    return {outer.left + ScaleLength(in.left, scale), outer.top + ScaleLength(in.top, scale),
            outer.right - ScaleLength(in.right, scale),
            outer.bottom - ScaleLength(in.bottom, scale)};
}

fw::IntRect OuterRectAroundInner(const SkinPairParams& params, const fw::IntRect& inner,
                                 float scale) noexcept {
    const SkinInsets& in = params.insets;
    return {inner.left - ScaleLength(in.left, scale), inner.top - ScaleLength(in.top, scale),
            inner.right + ScaleLength(in.right, scale),
            inner.bottom + ScaleLength(in.bottom, scale)};
}

fw::IntRect CaptionStrip(const SkinPairParams& params, const fw::IntRect& client,
                         float scale) noexcept {
    if (params.captionHeight <= 0)
        return {client.left, client.top, client.left, client.top};
    return {client.left, client.top, client.right - ScaleLength(params.captionRightMargin, scale),
            client.top + ScaleLength(params.captionHeight, scale)};
}

bool IsInCaption(const SkinPairParams& params, const fw::IntRect& client, fw::IntPoint point,
                 float scale) noexcept {
    const fw::IntRect strip = CaptionStrip(params, client, scale);
    return point.x >= strip.left && point.x < strip.right && point.y >= strip.top &&
           point.y < strip.bottom;
}

} // namespace halvane
