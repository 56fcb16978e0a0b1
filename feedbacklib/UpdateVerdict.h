// What a fetched update manifest says about one tool's version: the answer the library gives
// to the version question, and the download page to keep for it.
#pragma once

#include <string>
#include <string_view>

namespace feedbacklib {

inline constexpr int kCouldNotTell = 0;
inline constexpr int kNotNewer = 1;
inline constexpr int kNewer = 3;

struct UpdateVerdict {
    int answer = kCouldNotTell;
    std::string download; // only with kNewer, and only an openable web address
};

// complete: the whole body arrived within the size limit. Anything but a complete 200 answer
// holding a valid manifest cannot tell; a manifest without a strictly newer version for
// toolId says not newer.
UpdateVerdict JudgeUpdate(unsigned status, bool complete, std::string_view body,
                          std::string_view toolId, std::string_view version);

} // namespace feedbacklib
