// The size and weight rule of derived fonts, apart from Win32 so it is testable natively.
#pragma once

#include <cstdint>

namespace halvane {

struct FontSize {
    std::int32_t height; // LOGFONT lfHeight: negative for a character height, as dialog fonts are
    std::int32_t weight; // LOGFONT lfWeight
};

// A zero size change keeps the font as it is (the weight is then ignored). Otherwise a positive
// weight replaces the font's weight and the size change is subtracted from the height, so +2 on a
// -13 font gives -15: two pixels larger.
FontSize DeriveFontSize(FontSize base, int sizeDelta, int weight) noexcept;

} // namespace halvane
