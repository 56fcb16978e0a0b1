#include "log/LogEntry.h"

#include <algorithm>

namespace halvane {

std::string BuildLogEntry(const LogTime& time, std::string_view text) {
    text = text.substr(0, text.find('\0'));
    const auto lineFeeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));

    std::string entry = FormatLogStamp(time);
    entry.reserve(entry.size() + text.size() + lineFeeds + 3);
    // GBK trail bytes are never below 0x40, so a 0x0A byte is always a real line feed.
    for (const char c : text) {
        if (c == '\n') {
            entry += '\r';
        }
        entry += c;
    }
    entry += "\r\r\n";
    return entry;
}

} // namespace halvane
