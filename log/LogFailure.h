#pragma once

#include <string_view>

namespace halvane {

// Writes a forced entry to 霁衡.txt in the log folder; text is converted to code page 936.
void LogFailure(std::wstring_view text) noexcept;

} // namespace halvane
