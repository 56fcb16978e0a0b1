// Layered windows take premultiplied colour: each channel scaled by the pixel's own alpha.
#pragma once

#include <cstddef>
#include <cstdint>

namespace halvane {

// One 0xAARRGGBB pixel premultiplied, channels rounded to nearest.
std::uint32_t PremultiplyPixel(std::uint32_t argb) noexcept;

// In place over `count` pixels.
void PremultiplyPixels(std::uint32_t* pixels, std::size_t count) noexcept;

} // namespace halvane
