#include "feedbacklib/FeedbackRecord.h"

#include <map>
#include <utility>

namespace feedbacklib {

namespace {

void AppendField(std::string& out, std::string_view field) {
    for (const char c : field)
        out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

struct AnswerCounts {
    std::size_t solved = 0, unsolved = 0, unanswered = 0, other = 0;
};

bool ParseAnswer(std::string_view s, int& answer) {
    if (s.empty() || s.size() > 9)
        return false;
    int value = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '-' && i == 0 && s.size() > 1)
            continue;
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    answer = s.front() == '-' ? -value : value;
    return true;
}

} // namespace

std::string FormatFeedbackRecord(std::string_view tool, std::string_view version, int answer,
                                 std::string_view time) {
    std::string line;
    line.reserve(tool.size() + version.size() + time.size() + 16);
    AppendField(line, tool);
    line += '\t';
    AppendField(line, version);
    line += '\t';
    line += std::to_string(answer);
    line += '\t';
    AppendField(line, time);
    line += "\r\n";
    return line;
}

ParsedRecords ParseFeedbackRecords(std::string_view text) {
    ParsedRecords parsed;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;

        std::string_view fields[4];
        std::size_t n = 0;
        for (;;) {
            const std::size_t tab = line.find('\t');
            if (n == 3 || tab == std::string_view::npos) {
                fields[n++] = line;
                break;
            }
            fields[n++] = line.substr(0, tab);
            line.remove_prefix(tab + 1);
        }
        FeedbackRecord r;
        if (n != 4 || fields[3].find('\t') != std::string_view::npos ||
            !ParseAnswer(fields[2], r.answer)) {
            ++parsed.badLines;
            continue;
        }
        r.tool.assign(fields[0]);
        r.version.assign(fields[1]);
        r.time.assign(fields[3]);
        parsed.records.push_back(std::move(r));
    }
    return parsed;
}

std::string FormatFeedbackSummary(const ParsedRecords& parsed) {
    std::map<std::pair<std::string, std::string>, AnswerCounts> counts;
    for (const FeedbackRecord& r : parsed.records) {
        AnswerCounts& c = counts[{r.tool, r.version}];
        switch (r.answer) {
        case 1:
            ++c.solved;
            break;
        case 2:
            ++c.unsolved;
            break;
        case 3:
            ++c.unanswered;
            break;
        default:
            ++c.other;
            break;
        }
    }
    std::string out = "records=" + std::to_string(parsed.records.size()) + "\r\n";
    for (const auto& [key, c] : counts) {
        out += "tool=" + key.first + " version=" + key.second +
               " solved=" + std::to_string(c.solved) + " unsolved=" + std::to_string(c.unsolved) +
               " unanswered=" + std::to_string(c.unanswered) + " other=" + std::to_string(c.other) +
               "\r\n";
    }
    return out;
}

} // namespace feedbacklib
