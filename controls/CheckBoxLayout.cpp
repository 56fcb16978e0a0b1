#include "controls/CheckBoxLayout.h"

namespace halvane {

int ScalePixels(int pixels, float scale) noexcept {
    return static_cast<int>(static_cast<float>(pixels) * scale);
}

CheckBoxLayout LayOutCheckBox(const PixelRect& client, float scale, int checkState) noexcept {
    const int side = ScalePixels(kCheckBoxCell, scale);
    CheckBoxLayout layout;
    layout.box.left = client.left;
    layout.box.top = client.Height() / 2 - ScalePixels(kCheckBoxCell / 2, scale);
    layout.box.right = layout.box.left + side;
    layout.box.bottom = layout.box.top + side;
    layout.text = client;
    layout.text.left += side + kCheckBoxTextGap;
    layout.cellX = checkState == 1 ? kCheckBoxCell : 0;
    return layout;
}

} // namespace halvane
