#include "controls/FontDerive.h"

namespace halvane {

FontSize DeriveFontSize(FontSize base, int sizeDelta, int weight) noexcept {
    if (sizeDelta == 0)
        return base;
    if (weight > 0)
        base.weight = weight;
    base.height -= sizeDelta;
    return base;
}

} // namespace halvane
