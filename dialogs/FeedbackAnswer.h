// What the problem feedback dialog reports to the feedback library: the answer codes and the
// time text that goes with each answer.
#pragma once

namespace halvane {

enum FeedbackAnswer : int {
    kAnswerSolved = 1,
    kAnswerUnsolved = 2,
    kAnswerClosed = 3, // closed without an answer
};

// Room for a 32-bit signed decimal with its sign and terminator.
struct FeedbackTimeText {
    wchar_t text[12];
};

// The time in seconds since 1970 as the library records it: the low 32 bits as a signed decimal.
FeedbackTimeText FormatFeedbackTime(long long seconds) noexcept;

} // namespace halvane
