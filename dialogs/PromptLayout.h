// The prompt's inner layout: where its close, OK and Cancel buttons and its message lie for a
// client size and scale, and which button pictures a prompt type shows.
#pragma once

#include "dialogs/ButtonImageIds.h"
#include "framework/Geometry.h"

namespace halvane {

struct PromptButtonSet {
    ButtonImages ok;
    ButtonImages cancel;
    bool cancelShown;
    bool okCentred;
};

struct PromptLayout {
    fw::IntRect close;
    fw::IntRect ok; // already centred when the type centres it
    fw::IntRect cancel;
    fw::IntRect message;
    PromptButtonSet buttons;
};

// Types 1 and 3 show OK alone and centred, 2 and 4 show both; 3 and 4 use the 确认/取消 pictures,
// every other type 是/否. A type outside 1 to 4 shows OK alone at its left place.
PromptButtonSet PromptButtonsFor(int type) noexcept;

PromptLayout ComputePromptLayout(int clientWidth, int clientHeight, float scale, int type) noexcept;

// The parts of the inner's background image that lie under each button (image pixels).
inline constexpr fw::IntRect kPromptCloseBkRect{321, 8, 333, 20};
inline constexpr fw::IntRect kPromptOkBkRect{106, 107, 161, 131};
inline constexpr fw::IntRect kPromptCancelBkRect{185, 107, 240, 131};
inline constexpr ButtonImages kPromptCloseImages{164, 165, 166, 166};
// Word-wrapped like an edit control, left-aligned, vertically centred.
inline constexpr int kPromptMessageAlign = 7;

} // namespace halvane
