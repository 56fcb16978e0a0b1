#include "controls/ButtonState.h"

namespace halvane {

int NextButtonState(int state, PointerEvent event, bool enabled, bool inside) noexcept {
    if (!enabled)
        return state;
    switch (event) {
    case PointerEvent::Hover:
    case PointerEvent::Release:
        return inside ? kButtonHover : state;
    case PointerEvent::Press:
        return inside ? kButtonPressed : state;
    case PointerEvent::Leave:
        return kButtonNormal;
    }
    return state;
}

FaceSlot ChooseFace(int state, bool windowEnabled) noexcept {
    if (!windowEnabled)
        return FaceSlot::Disabled;
    switch (state) {
    case kButtonNormal:
        return FaceSlot::Normal;
    case kButtonHover:
        return FaceSlot::Hover;
    case kButtonPressed:
        return FaceSlot::Pressed;
    default:
        return FaceSlot::None;
    }
}

} // namespace halvane
