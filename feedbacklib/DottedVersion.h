// Dotted version numbers ("1.0.21.219") compared part by part as numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace feedbacklib {

// 1 to 8 decimal parts, each 0..4294967295, separated by single dots; nothing else.
std::optional<std::vector<std::uint32_t>> ParseDottedVersion(std::string_view text);

// <0, 0, >0 like strcmp; missing trailing parts count as 0, so 1.0 equals 1.0.0.
int CompareDottedVersions(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b);

// True only when both texts are valid and candidate is strictly greater than current.
bool IsStrictlyNewerVersion(std::string_view candidate, std::string_view current);

} // namespace feedbacklib
