// What the simulator prints, per language profile (UTF-8; the caller encodes it for the pipe).
#pragma once

#include "tools/powercfg-sim/SimState.h"

#include <string>

namespace powercfgsim {

struct ProfileTexts {
    const char* header;
    const char* linePrefix;
    const char* invalidParameters;
    const char* saverName;
    const char* balancedName;
    const char* highPerformanceName;
    const char* ultimateName;
    const char* extraNamePrefix;
};

const ProfileTexts& TextsFor(Profile profile);

// "<prefix> <guid>  (<name>)" with " *" when active, ending in CRLF.
std::string PlanLine(Profile profile, const Plan& plan, bool active);

// Empty line, header, dash line, one line per visible plan.
std::string ListOutput(const SimState& state);

std::string InvalidParametersOutput(Profile profile);

} // namespace powercfgsim
