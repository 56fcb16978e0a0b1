// UTF-16 <-> UTF-8 at the library's edges; the logic inside works on UTF-8.
#pragma once

#include <string>

namespace feedbacklib {

// A null pointer gives an empty string; unpaired surrogates become U+FFFD.
std::string ToUtf8(const wchar_t* text);
std::wstring ToWide(const std::string& utf8);

} // namespace feedbacklib
