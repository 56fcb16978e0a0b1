// The plain PNG form the program's art is stored in, decoded without GDI+: 8 bits per channel,
// RGB or RGBA, not interlaced, and no chunk besides IHDR, IDAT and IEND. Anything else is left to
// GDI+, so what GDI+ would do with it (gamma, transparency chunks, palettes) stays its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace halvane {

struct PlainPngInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool alpha = false; // 4 bytes per pixel (B, G, R, A); else 3 (B, G, R)

    std::size_t RowBytes() const noexcept { return std::size_t{width} * (alpha ? 4 : 3); }
};

// The header of a PNG in the plain form (size within reason); false for anything else.
bool ReadPlainPngInfo(const std::uint8_t* bytes, std::size_t size, PlainPngInfo* info) noexcept;

// Decodes a plain PNG whose header gave `info` into `info.height` rows of `info.RowBytes()`
// bytes, `stride` bytes apart from `target` on, in GDI+'s byte order for 32bppARGB and 24bppRGB.
// False for a damaged file (bad CRC, broken or surplus data, an unknown filter) or when memory
// runs out; the rows are then partly written.
bool DecodePlainPng(const std::uint8_t* bytes, std::size_t size, const PlainPngInfo& info,
                    std::uint8_t* target, std::ptrdiff_t stride) noexcept;

} // namespace halvane
