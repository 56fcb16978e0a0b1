#include "dialogs/TooltipLayout.h"

#include "dialogs/PairGeometry.h"

namespace halvane {

fw::IntRect TooltipInitialInnerRect(const fw::IntRect& outer, float scale) noexcept {
    const int x = outer.left + ScaleLength(1, scale);
    const int y = outer.top + ScaleLength(1, scale);
    const int width = outer.Width() - ScaleLength(2, scale);
    const int height = static_cast<int>(static_cast<float>(outer.Height()) - 18.0f * scale);
    return {x, y, x + width, y + height};
}

fw::IntRect AgreementTextRect(const fw::IntRect& client, float scale) noexcept {
    const int inset = ScaleLength(8, scale);
    return {client.left + inset, client.top + inset, client.right - inset, client.bottom - inset};
}

} // namespace halvane
