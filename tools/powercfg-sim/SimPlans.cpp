#include "tools/powercfg-sim/SimPlans.h"

#include "tools/powercfg-sim/SimText.h"

#include <cstdio>

namespace powercfgsim {

std::vector<Plan> DefaultPlans(Profile profile) {
    const ProfileTexts& t = TextsFor(profile);
    return {{std::string(kSaverGuid), t.saverName},
            {std::string(kBalancedGuid), t.balancedName},
            {std::string(kHighPerformanceGuid), t.highPerformanceName}};
}

std::vector<Plan> VisiblePlans(const SimState& state) {
    std::vector<Plan> plans;
    for (const Plan& p : state.plans) {
        if (!state.modernStandby || SameGuid(p.guid, kBalancedGuid))
            plans.push_back(p);
    }
    if (state.modernStandby)
        return plans;
    const char* prefix = TextsFor(state.profile).extraNamePrefix;
    for (unsigned i = 1; i <= state.extraPlans; ++i) {
        char guid[40];
        std::snprintf(guid, sizeof guid, "00000000-0000-4000-8000-%012u", i);
        plans.push_back({guid, prefix + std::to_string(i)});
    }
    return plans;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool SameGuid(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ToLowerAscii(a) == ToLowerAscii(b);
}

bool IsGuidText(std::string_view text) {
    if (text.size() != 36)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (dash ? c != '-' : !hex)
            return false;
    }
    return true;
}

} // namespace powercfgsim
