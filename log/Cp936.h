#pragma once

#include <string>
#include <string_view>

namespace halvane {

// Conversions between UTF-16 and code page 936 (GBK), always that code page, whatever the
// process's ANSI code page or C locale. A text that cannot be converted gives the empty string.
std::string ToCp936(std::wstring_view text);
std::wstring FromCp936(std::string_view text);

} // namespace halvane
