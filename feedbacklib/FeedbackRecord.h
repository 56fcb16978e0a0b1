// The feedback file: one line per answer, and the summary written from it.
//
// Record line (UTF-8): tool TAB version TAB answer TAB time CR LF. Tabs and line breaks
// inside a field become spaces, so a record is always exactly one line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace feedbacklib {

struct FeedbackRecord {
    std::string tool;
    std::string version;
    int answer = 0;
    std::string time;
};

std::string FormatFeedbackRecord(std::string_view tool, std::string_view version, int answer,
                                 std::string_view time);

struct ParsedRecords {
    std::vector<FeedbackRecord> records;
    std::size_t badLines = 0; // lines that are not records (e.g. written by something else)
};

ParsedRecords ParseFeedbackRecords(std::string_view text);

// "records=N" then one line per tool and version, sorted:
// "tool=T version=V solved=a unsolved=b unanswered=c other=d".
std::string FormatFeedbackSummary(const ParsedRecords& parsed);

} // namespace feedbacklib
