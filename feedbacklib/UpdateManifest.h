// The update manifest: a small INI-style text naming the newest version of each tool.
//
//   ; comment (also # comment)
//   [10113]
//   version = 1.0.22.0
//   download = https://support.halvane.example/download/10113
//
// Sections are tool ids; keys are case-insensitive; unknown keys are ignored so the
// format can grow. Anything else makes the whole manifest unusable (see ParseUpdateManifest).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace feedbacklib {

struct ManifestEntry {
    std::string toolId;
    std::string version;  // as written; may be empty or invalid
    std::string download; // as written; may be empty
};

struct UpdateManifest {
    std::vector<ManifestEntry> entries;
    const ManifestEntry* Find(std::string_view toolId) const;
};

// Nullopt for text that is not a manifest: a line that is neither blank, comment, section
// nor key=value; a key outside any section; an empty, repeated or unclosed section name;
// a key given twice in one section; a NUL byte. A UTF-8 BOM and CRLF line ends are accepted.
std::optional<UpdateManifest> ParseUpdateManifest(std::string_view text);

} // namespace feedbacklib
