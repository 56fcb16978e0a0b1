#include "feedbacklib/FeedbackRecord.h"

#include <gtest/gtest.h>

namespace {

using namespace feedbacklib;

TEST(FeedbackRecord, OneLinePerRecordWhateverTheFields) {
    EXPECT_EQ(FormatFeedbackRecord("10113", "1.0.21.219", 1, "1700000000"),
              "10113\t1.0.21.219\t1\t1700000000\r\n");
    EXPECT_EQ(FormatFeedbackRecord("a\tb", "c\r\nd", -3, "\n"), "a b\tc  d\t-3\t \r\n");
    const std::string text = FormatFeedbackRecord("a\tb", "v\n", 2, "t\r") +
                             FormatFeedbackRecord("\xE4\xB8\xAD", "", 3, "-5");
    const ParsedRecords p = ParseFeedbackRecords(text);
    EXPECT_EQ(p.badLines, 0u);
    ASSERT_EQ(p.records.size(), 2u);
    EXPECT_EQ(p.records[0].tool, "a b");
    EXPECT_EQ(p.records[0].version, "v ");
    EXPECT_EQ(p.records[0].answer, 2);
    EXPECT_EQ(p.records[0].time, "t ");
    EXPECT_EQ(p.records[1].tool, "\xE4\xB8\xAD");
    EXPECT_EQ(p.records[1].answer, 3);
    EXPECT_EQ(p.records[1].time, "-5");
}

TEST(FeedbackRecord, CountsLinesThatAreNotRecords) {
    const ParsedRecords p = ParseFeedbackRecords("t\tv\t1\tx\r\n"
                                                 "t\tv\t1\r\n"       // three fields
                                                 "t\tv\t1\tx\ty\r\n" // five fields
                                                 "t\tv\tone\tx\r\n"  // answer not a number
                                                 "t\tv\t\tx\r\n"     // empty answer
                                                 "\r\n"              // blank: skipped
                                                 "t\tv\t-\tx\n"      // bare sign
                                                 "t\tv\t2\ttorn");   // last line unterminated
    EXPECT_EQ(p.records.size(), 2u);
    EXPECT_EQ(p.badLines, 5u);
}

TEST(FeedbackRecord, SummaryCountsAnswersPerToolAndVersion) {
    std::string text;
    for (int answer : {1, 1, 2, 3, 3, 3, 7})
        text += FormatFeedbackRecord("10113", "1.0.21.219", answer, "0");
    text += FormatFeedbackRecord("10113", "1.0.20.1", 2, "0");
    text += FormatFeedbackRecord("00001", "9", 0, "0");
    text += "garbage\r\n";
    EXPECT_EQ(FormatFeedbackSummary(ParseFeedbackRecords(text)),
              "records=9\r\n"
              "tool=00001 version=9 solved=0 unsolved=0 unanswered=0 other=1\r\n"
              "tool=10113 version=1.0.20.1 solved=0 unsolved=1 unanswered=0 other=0\r\n"
              "tool=10113 version=1.0.21.219 solved=2 unsolved=1 unanswered=3 other=1\r\n");
    EXPECT_EQ(FormatFeedbackSummary(ParseFeedbackRecords("")), "records=0\r\n");
}

} // namespace
