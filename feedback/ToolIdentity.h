// How the tool names itself to the feedback library (the panel's checks and links, the problem
// feedback dialog's answers); the version is also shown on the panel.
#pragma once

#include "HalvaneVersion.h"

namespace halvane {

inline constexpr wchar_t kToolId[] = L"10113";
inline constexpr wchar_t kToolVersion[] = L"" HALVANE_VERSION_TEXT;

} // namespace halvane
