// The \\?\ form of a path too long for the plain one (MAX_PATH), which file functions accept
// whatever its length. Pure.
#pragma once

#include <string>
#include <string_view>

namespace halvane::fw {

// path unchanged when it has fewer than limit characters or is already in that form; else
// "\\?\" + path, or "\\?\UNC\server\share..." for "\\server\share...".
std::wstring LongPathForm(std::wstring_view path, std::size_t limit);

} // namespace halvane::fw
