// Conversions between the pipe's bytes, wide text and the report's UTF-8.
#pragma once
#include <string>

namespace halvane::bench {

// Bytes in the system's ANSI code page, as the command runner reads them.
std::wstring FromAnsi(const std::string& bytes);

std::string ToUtf8(const std::wstring& text);

} // namespace halvane::bench
