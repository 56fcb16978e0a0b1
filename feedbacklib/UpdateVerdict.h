// What a fetched update manifest says about one tool's version: the answer the library gives
// to the version question, and the download page to keep for it.
#pragma once

#include <string>
#include <string_view>

#include "feedback/VersionAnswers.h"

namespace feedbacklib {

using feedback::kCouldNotTell;
using feedback::kNewerVersionAvailable;
using feedback::kNotNewer;

struct UpdateVerdict {
    int answer = kCouldNotTell;
    std::string download; // only with kNewerVersionAvailable, and only an openable web address
};

// complete: the whole body arrived within the size limit. Anything but a complete 200 answer
// holding a valid manifest cannot tell; a manifest without a strictly newer version for
// toolId says not newer.
UpdateVerdict JudgeUpdate(unsigned status, bool complete, std::string_view body,
                          std::string_view toolId, std::string_view version);

} // namespace feedbacklib
