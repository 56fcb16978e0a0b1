#pragma once

#include <string>

namespace halvane {

// Each byte as two upper-case hexadecimal digits and a space, all on one line: 01 AB -> "01 AB ".
// A null pointer or a count below one gives the empty text.
std::string FormatHexBytes(const unsigned char* bytes, int count);

} // namespace halvane
