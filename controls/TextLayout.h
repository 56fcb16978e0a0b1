// Layout modes of the text statics: which DrawText formats a mode uses and where a vertically
// centred block of wrapped text starts. Kept apart from Win32 so it is testable natively.
#pragma once

namespace halvane {

// DrawText format bits the statics use; the values are those of the DT_ constants.
namespace textformat {
constexpr unsigned kCenter = 0x0001;
constexpr unsigned kRight = 0x0002;
constexpr unsigned kVCenter = 0x0004;
constexpr unsigned kWordBreak = 0x0010;
constexpr unsigned kSingleLine = 0x0020;
constexpr unsigned kExternalLeading = 0x0200;
constexpr unsigned kCalcRect = 0x0400;
constexpr unsigned kEditControl = 0x2000;
} // namespace textformat

struct TextLayout {
    bool drawsText;         // false: the control shows only its fill and background image
    bool centredBlock;      // measured first, then drawn from CentredBlockTop
    unsigned measureFormat; // DrawText format of the measuring pass (centred blocks only)
    unsigned drawFormat;    // DrawText format of the drawing pass
};

// Height of the rectangle handed to the measuring pass; DT_CALCRECT replaces it.
constexpr int kMeasureRectHeight = 10;

// CDrawTextStatic: modes 0 to 7; any other mode draws no text.
TextLayout DrawTextLayout(int mode) noexcept;

// CDrawStateInfoStatic: modes 1 to 6; any other mode, 0 included, lays out as mode 1.
TextLayout StateInfoLayout(int mode) noexcept;

// Top of a centred block: the client top moved down by half the room left, truncated toward
// zero. A text taller than the client gives a negative shift, so it is clipped evenly.
int CentredBlockTop(int clientTop, int clientHeight, int textHeight) noexcept;

} // namespace halvane
