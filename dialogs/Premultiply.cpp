#include "dialogs/Premultiply.h"

namespace halvane {

namespace {

std::uint32_t Scale(std::uint32_t channel, std::uint32_t alpha) noexcept {
    // Exact rounding of channel * alpha / 255 without a division.
    const std::uint32_t t = channel * alpha + 128;
    return (t + (t >> 8)) >> 8;
}

} // namespace

std::uint32_t PremultiplyPixel(std::uint32_t argb) noexcept {
    const std::uint32_t a = argb >> 24;
    if (a == 255)
        return argb;
    if (a == 0)
        return 0;
    const std::uint32_t r = Scale((argb >> 16) & 0xFF, a);
    const std::uint32_t g = Scale((argb >> 8) & 0xFF, a);
    const std::uint32_t b = Scale(argb & 0xFF, a);
    return (a << 24) | (r << 16) | (g << 8) | b;
}

void PremultiplyPixels(std::uint32_t* pixels, std::size_t count) noexcept {
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] = PremultiplyPixel(pixels[i]);
}

} // namespace halvane
