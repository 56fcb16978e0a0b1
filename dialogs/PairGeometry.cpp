#include "dialogs/PairGeometry.h"

namespace halvane {

int ScaleLength(int pixels, float scale) noexcept {
    return static_cast<int>(static_cast<float>(pixels) * scale);
}

fw::IntPoint OuterSize(const SkinPairSpec& spec, float scale) noexcept {
    return {ScaleLength(spec.outerWidth, scale), ScaleLength(spec.outerHeight, scale)};
}

fw::IntRect InitialInnerRect(const SkinPairSpec& spec, const fw::IntRect& outer,
                             float scale) noexcept {
    const SkinInsets& in = spec.insets;
    const int x = static_cast<int>(static_cast<float>(outer.left) + in.left * scale);
    const int y = static_cast<int>(static_cast<float>(outer.top) + in.top * scale);
    const int width = static_cast<int>(static_cast<float>(outer.Width()) -
                                       static_cast<float>(in.left + in.right) * scale);
    const int height = static_cast<int>(static_cast<float>(outer.Height()) -
                                        static_cast<float>(in.top + in.bottom) * scale);
    return {x, y, x + width, y + height};
}

fw::IntRect InnerRectForOuter(const SkinPairSpec& spec, const fw::IntRect& outer,
                              float scale) noexcept {
    const SkinInsets& in = spec.moveInsets;
    return {outer.left + ScaleLength(in.left, scale), outer.top + ScaleLength(in.top, scale),
            outer.right - ScaleLength(in.right, scale),
            outer.bottom - ScaleLength(in.bottom, scale)};
}

fw::IntRect OuterRectAroundInner(const SkinPairSpec& spec, const fw::IntRect& inner,
                                 float scale) noexcept {
    const SkinInsets& in = spec.insets;
    return {inner.left - ScaleLength(in.left, scale), inner.top - ScaleLength(in.top, scale),
            inner.right + ScaleLength(in.right, scale),
            inner.bottom + ScaleLength(in.bottom, scale)};
}

fw::IntRect CaptionStrip(const SkinPairSpec& spec, const fw::IntRect& client,
                         float scale) noexcept {
    if (spec.captionHeight <= 0)
        return {client.left, client.top, client.left, client.top};
    return {client.left, client.top, client.right - ScaleLength(spec.captionRightMargin, scale),
            client.top + ScaleLength(spec.captionHeight, scale)};
}

bool IsInCaption(const SkinPairSpec& spec, const fw::IntRect& client, fw::IntPoint point,
                 float scale) noexcept {
    const fw::IntRect strip = CaptionStrip(spec, client, scale);
    return point.x >= strip.left && point.x < strip.right && point.y >= strip.top &&
           point.y < strip.bottom;
}

} // namespace halvane
