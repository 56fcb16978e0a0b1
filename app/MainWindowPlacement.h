// Where the main window and its panel go: the skin frame centred on the primary screen and the
// panel inset in it. Pure arithmetic; every product with the scale is computed in float and
// truncated toward zero, as the windows compute it. The scale itself: framework/DisplayScale.h.
#pragma once

#include "framework/Geometry.h"

namespace halvane {

// The skin frame at scale 1 and the margins it leaves around the panel.
inline constexpr int kMainFrameWidth = 410;
inline constexpr int kMainFrameHeight = 611;
inline constexpr int kPanelInsetLeft = 5;
inline constexpr int kPanelInsetTop = 4;
inline constexpr int kPanelInsetRight = 5;
inline constexpr int kPanelInsetBottom = 7;

// The frame of kMainFrameWidth x kMainFrameHeight times the scale, centred on a screen of that
// size (halves rounded toward zero).
fw::IntRect MainWindowTarget(int screenWidth, int screenHeight, float scale) noexcept;

// The panel inside the frame: the insets times the scale.
fw::IntRect PanelRectInFrame(const fw::IntRect& frame, float scale) noexcept;

// The frame around a panel at `panel`: the insets times the scale, each truncated on its own.
fw::IntRect FrameAroundPanel(const fw::IntRect& panel, float scale) noexcept;

} // namespace halvane
