// The problem feedback dialog's inner layout: where its close button and its three answer buttons
// lie for a client rectangle and scale, which part of the background each answer button shows,
// and the rim of each answer button that does not count as a click.
#pragma once

#include "dialogs/ButtonImageIds.h"
#include "framework/Geometry.h"
#include "res/resource.h"

namespace halvane {

struct FeedbackLayout {
    fw::IntRect close;
    fw::IntRect solved;   // "解决"
    fw::IntRect unsolved; // "未解决"
    fw::IntRect more;     // "更多方案"
    // Background image pixels under each answer button.
    fw::IntRect solvedBk;
    fw::IntRect unsolvedBk;
    fw::IntRect moreBk;
    // Each side of an answer button, inside its client rectangle, where a click is ignored.
    int hitMargin;
};

// Above a client width of 400 the answer buttons are placed by scaled offsets and show the
// background's fixed rectangles; up to 400 they are centred at their scale-1 size and show the
// background under their own rectangle.
FeedbackLayout ComputeFeedbackLayout(const fw::IntRect& client, float scale) noexcept;

inline constexpr ButtonImages kFeedbackCloseImages{
    IDB_FEEDBACK_CLOSE_NORMAL, IDB_FEEDBACK_CLOSE_HOVER, IDB_FEEDBACK_CLOSE_PRESSED,
    IDB_FEEDBACK_CLOSE_DISABLED};
inline constexpr ButtonImages kFeedbackSolvedImages{
    IDB_FEEDBACK_SOLVED_NORMAL, IDB_FEEDBACK_SOLVED_HOVER, IDB_FEEDBACK_SOLVED_PRESSED,
    IDB_FEEDBACK_SOLVED_DISABLED};
inline constexpr ButtonImages kFeedbackUnsolvedImages{
    IDB_FEEDBACK_UNSOLVED_NORMAL, IDB_FEEDBACK_UNSOLVED_HOVER, IDB_FEEDBACK_UNSOLVED_PRESSED,
    IDB_FEEDBACK_UNSOLVED_DISABLED};
inline constexpr ButtonImages kFeedbackMoreImages{IDB_FEEDBACK_MORE_NORMAL, IDB_FEEDBACK_MORE_HOVER,
                                                  IDB_FEEDBACK_MORE_PRESSED,
                                                  IDB_FEEDBACK_MORE_DISABLED};

} // namespace halvane
