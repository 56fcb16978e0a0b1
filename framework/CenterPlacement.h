// Where a pop-up goes when it is centred over another rectangle and kept inside a work area.
// Pure arithmetic; the Win32 side gathers the three rectangles.
#pragma once

#include "framework/Geometry.h"

namespace halvane::fw {

// Top-left corner for `window` centred on `centerOn` (halves in integer arithmetic), then pushed
// back inside `workArea`: first off the right/bottom edge, then off the left/top edge, so a window
// larger than the area keeps its left/top edge visible.
IntPoint CenteredTopLeft(const IntRect& window, const IntRect& centerOn,
                         const IntRect& workArea) noexcept;

} // namespace halvane::fw
