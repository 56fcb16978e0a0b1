// GUIDs and names of the plans the simulator knows, and which of them a run can see.
#pragma once

#include "tools/powercfg-sim/SimState.h"

#include <string>
#include <string_view>
#include <vector>

namespace powercfgsim {

inline constexpr std::string_view kSaverGuid = "a1841308-3541-4fab-bc81-f71556f20b4a";
inline constexpr std::string_view kBalancedGuid = "381b4222-f694-41f0-9685-ff5bb260df2e";
inline constexpr std::string_view kHighPerformanceGuid = "8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c";
inline constexpr std::string_view kUltimateTemplateGuid = "e9a42b02-d5df-448d-aa00-03f14749eb61";

// Saver, Balanced, High performance with the profile's names.
std::vector<Plan> DefaultPlans(Profile profile);

// Plans as the list shows them: stored plans, then the extra_plans ones; with modern standby
// only Balanced.
std::vector<Plan> VisiblePlans(const SimState& state);

// GUIDs compare without regard to case, as powercfg parses them.
bool SameGuid(std::string_view a, std::string_view b);

// 8-4-4-4-12 hex digits.
bool IsGuidText(std::string_view text);

std::string ToLowerAscii(std::string_view text);

} // namespace powercfgsim
