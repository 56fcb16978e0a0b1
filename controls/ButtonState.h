// How the skinned push buttons react to the pointer and which face a paint shows. Shared by
// CPngButton and CImageButton; no Win32 here, so the rules are tested natively.
#pragma once

namespace halvane {

// Values of the buttons' m_nState.
constexpr int kButtonNormal = 1;
constexpr int kButtonHover = 2;
constexpr int kButtonPressed = 3;
constexpr int kButtonDisabled = 4; // CImageButton only, set by EnableButton(FALSE)

enum class PointerEvent {
    Hover,   // WM_MOUSEHOVER
    Press,   // WM_LBUTTONDOWN
    Release, // WM_LBUTTONUP
    Leave,   // WM_MOUSELEAVE
};

// The state after `event`. A disabled window keeps its state. Hover, press and release count only
// when `inside` (the point lies in the client rectangle): a PNG button passes true, an image
// button the real answer. Leave always counts, so a press held outside ends only when the
// pointer leaves.
int NextButtonState(int state, PointerEvent event, bool enabled, bool inside) noexcept;

// Slots of a button's four state images, in the order the owners pass their ids.
enum class FaceSlot { None = -1, Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

// A disabled window shows its disabled image whatever the state; an enabled one the image of
// its state, and none for any other value (the image button's 4 included).
FaceSlot ChooseFace(int state, bool windowEnabled) noexcept;

} // namespace halvane
