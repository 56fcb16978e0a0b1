// Built-in addresses; each can be replaced in the [Urls] section of the configuration file
// beside the library. {tool} and {version} are filled in, percent-encoded.
#pragma once

#include "feedback/FeedbackAddresses.h"

namespace feedbacklib {

inline constexpr char kDefaultUpdateAddress[] = HALVANE_KNOWLEDGE_BASE_ROOT "/update/manifest.ini";
inline constexpr char kDefaultDownloadAddress[] =
    HALVANE_KNOWLEDGE_BASE_ROOT "/download/?tool={tool}";
inline constexpr char kDefaultFeedbackAddress[] =
    HALVANE_KNOWLEDGE_BASE_ROOT "/feedback/?tool={tool}&version={version}";
inline constexpr char kDefaultKnowledgeBaseRoot[] = HALVANE_KNOWLEDGE_BASE_ROOT;

} // namespace feedbacklib
