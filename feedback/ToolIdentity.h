// How the tool names itself to the feedback library (the panel's checks and links, the problem
// feedback dialog's answers); the version is also shown on the panel.
#pragma once

namespace halvane {

inline constexpr wchar_t kToolId[] = L"10113";
inline constexpr wchar_t kToolVersion[] = L"1.0.21.219";

} // namespace halvane
