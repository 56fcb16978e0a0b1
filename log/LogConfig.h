#pragma once

#include <string_view>

namespace halvane {

// logCfg.ini in the log folder: [Log] print=1 turns on the entries that are not forced.
inline constexpr wchar_t kLogConfigFile[] = L"logCfg.ini";
inline constexpr wchar_t kLogConfigSection[] = L"Log";
inline constexpr wchar_t kLogConfigKey[] = L"print";
inline constexpr wchar_t kLogConfigDefault[] = L"-1";

// The value trimmed of white space at both ends, then read as _wtoi reads it (leading white
// space, an optional sign, digits up to the first non-digit; out-of-range values saturate);
// true only when that number is 1.
bool PrintFlagFromValue(std::wstring_view value) noexcept;

} // namespace halvane
