#include <gtest/gtest.h>

#include <string>

#include "log/LogEntry.h"
#include "log/LogStamp.h"

using namespace halvane;

namespace {

constexpr LogTime kJune1st{2021, 6, 1, 9, 5, 7, 42};

TEST(LogStamp, PadsEveryFieldAndEndsInThreeSpaces) {
    const std::string stamp = FormatLogStamp(kJune1st);
    EXPECT_EQ(stamp, "[2021-06-01 09:05:07 042ms]   ");
    EXPECT_EQ(stamp.size(), kLogStampLength);
}

TEST(LogStamp, IsThirtyCharactersAtTheWidestAndNarrowestTimes) {
    EXPECT_EQ(FormatLogStamp({9999, 12, 31, 23, 59, 59, 999}), "[9999-12-31 23:59:59 999ms]   ");
    EXPECT_EQ(FormatLogStamp({1601, 1, 1, 0, 0, 0, 0}), "[1601-01-01 00:00:00 000ms]   ");
}

TEST(LogEntry, IsStampThenTextThenCarriageReturnCarriageReturnLineFeed) {
    const std::string gbk = "\xC9\xE8\xD6\xC3\xBD\xDA\xC4\xDC\xC4\xA3\xCA\xBD\xCA\xA7\xB0\xDC";
    EXPECT_EQ(BuildLogEntry(kJune1st, gbk), "[2021-06-01 09:05:07 042ms]   " + gbk + "\r\r\n");
}

TEST(LogEntry, EmptyTextStillHasStampAndLineEnd) {
    EXPECT_EQ(BuildLogEntry(kJune1st, ""), "[2021-06-01 09:05:07 042ms]   \r\r\n");
}

TEST(LogEntry, LineFeedsInsideTheTextBecomeCarriageReturnLineFeed) {
    EXPECT_EQ(BuildLogEntry(kJune1st, "a\nb\n\nc"),
              "[2021-06-01 09:05:07 042ms]   a\r\nb\r\n\r\nc\r\r\n");
    EXPECT_EQ(BuildLogEntry(kJune1st, "\n"), "[2021-06-01 09:05:07 042ms]   \r\n\r\r\n");
    // A carriage return alone is left as it is.
    EXPECT_EQ(BuildLogEntry(kJune1st, "a\rb"), "[2021-06-01 09:05:07 042ms]   a\rb\r\r\n");
    // A text that already ends in CR LF gains a second line end.
    EXPECT_EQ(BuildLogEntry(kJune1st, "x\r\n"), "[2021-06-01 09:05:07 042ms]   x\r\r\n\r\r\n");
}

TEST(LogEntry, TextEndsAtItsFirstNulByte) {
    const std::string text("ab\0cd", 5);
    EXPECT_EQ(BuildLogEntry(kJune1st, text), "[2021-06-01 09:05:07 042ms]   ab\r\r\n");
}

} // namespace
