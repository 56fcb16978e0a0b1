#include "feedbacklib/UpdateManifest.h"

#include <cctype>

namespace feedbacklib {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y))
            return false;
    }
    return true;
}

// Stores value into slot unless the key was already given in this section.
bool SetOnce(std::string& slot, bool& seen, std::string_view value) {
    if (seen)
        return false;
    seen = true;
    slot.assign(value);
    return true;
}

} // namespace

const ManifestEntry* UpdateManifest::Find(std::string_view toolId) const {
    for (const ManifestEntry& e : entries) {
        if (e.toolId == toolId)
            return &e;
    }
    return nullptr;
}

std::optional<UpdateManifest> ParseUpdateManifest(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    UpdateManifest manifest;
    ManifestEntry* current = nullptr;
    bool seenVersion = false;
    bool seenDownload = false;

    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        const std::string_view line = Trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);

        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3)
                return std::nullopt;
            const std::string_view id = Trim(line.substr(1, line.size() - 2));
            if (id.empty() || id.find_first_of("[]") != std::string_view::npos ||
                manifest.Find(id) != nullptr)
                return std::nullopt;
            manifest.entries.push_back(ManifestEntry{std::string(id), {}, {}});
            current = &manifest.entries.back();
            seenVersion = seenDownload = false;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || current == nullptr)
            return std::nullopt;
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        if (key.empty())
            return std::nullopt;
        if (EqualsNoCase(key, "version")) {
            if (!SetOnce(current->version, seenVersion, value))
                return std::nullopt;
        } else if (EqualsNoCase(key, "download")) {
            if (!SetOnce(current->download, seenDownload, value))
                return std::nullopt;
        }
    }
    return manifest;
}

} // namespace feedbacklib
