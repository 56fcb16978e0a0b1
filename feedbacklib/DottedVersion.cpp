#include "feedbacklib/DottedVersion.h"

#include <algorithm>

namespace feedbacklib {

namespace {
constexpr std::size_t kMaxParts = 8;
constexpr std::uint64_t kMaxPart = 0xFFFFFFFFull;
} // namespace

std::optional<std::vector<std::uint32_t>> ParseDottedVersion(std::string_view text) {
    std::vector<std::uint32_t> parts;
    std::size_t pos = 0;
    for (;;) {
        std::uint64_t value = 0;
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
            if (value > kMaxPart)
                return std::nullopt;
            ++digits;
            ++pos;
        }
        if (digits == 0 || parts.size() == kMaxParts)
            return std::nullopt;
        parts.push_back(static_cast<std::uint32_t>(value));
        if (pos == text.size())
            return parts;
        if (text[pos] != '.')
            return std::nullopt;
        ++pos;
    }
}

int CompareDottedVersions(const std::vector<std::uint32_t>& a,
                          const std::vector<std::uint32_t>& b) {
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t x = i < a.size() ? a[i] : 0;
        const std::uint32_t y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

bool IsStrictlyNewerVersion(std::string_view candidate, std::string_view current) {
    const auto c = ParseDottedVersion(candidate);
    const auto r = ParseDottedVersion(current);
    return c && r && CompareDottedVersions(*c, *r) > 0;
}

} // namespace feedbacklib
