#pragma once

#include <string>
#include <string_view>

namespace halvane {

// The log folder, with a trailing backslash: "<common app data>\ToolLog\", or the relative
// "ToolLog\" when the common application data folder is unknown (empty).
std::wstring LogFolderPath(std::wstring_view commonAppData);

} // namespace halvane
