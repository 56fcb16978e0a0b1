// GetToolIsNewVersion's answers, shared by the feedback library and the tool that asks.
#pragma once

namespace feedback {

inline constexpr int kCouldNotTell = 0;
inline constexpr int kNotNewer = 1;
inline constexpr int kNewerVersionAvailable = 3;

} // namespace feedback
