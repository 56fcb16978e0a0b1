// Where the agreement dialog's inner and its text lie. The outer places a new inner by its own
// rule (whole-pixel offsets of 1 and 2, a bottom cut of 18 truncated with the height); its later
// moves use the pair's move insets 1, 1, 2, 18 (InnerRectForOuter with kTooltipPair).
#pragma once

#include "framework/Geometry.h"

namespace halvane {

// The inner as the outer places it right after creating it.
fw::IntRect TooltipInitialInnerRect(const fw::IntRect& outer, float scale) noexcept;

// The rich edit in the inner's client rectangle: trunc(8 * scale) inside on every side.
fw::IntRect AgreementTextRect(const fw::IntRect& client, float scale) noexcept;

} // namespace halvane
