// Where the check box draws its box and its text, from the client size and the owner's scale.
#pragma once

#include "controls/ButtonGeometry.h"

namespace halvane {

// Side of one cell of the check box strip (PNG 140 holds three cells side by side).
constexpr int kCheckBoxCell = 16;
// Gap between the box and the text, in pixels at every scale.
constexpr int kCheckBoxTextGap = 2;

struct CheckBoxLayout {
    PixelRect box;  // where the cell is drawn, stretched
    PixelRect text; // the client rectangle with its left edge moved past the box and the gap
    int cellX = 0;  // left edge of the source cell in the strip
};

// trunc(pixels × scale), in float as the skin's sizes are computed.
int ScalePixels(int pixels, float scale) noexcept;

// The box is trunc(16 × scale) square at the client's left edge, its top at half the client
// height less trunc(8 × scale); the text starts trunc(16 × scale) + 2 right of the client's left.
// Only a check state of 1 shows the ticked cell: 0 and the indeterminate 2 show the empty one.
CheckBoxLayout LayOutCheckBox(const PixelRect& client, float scale, int checkState) noexcept;

} // namespace halvane
