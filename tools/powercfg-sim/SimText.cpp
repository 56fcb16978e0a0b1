#include "tools/powercfg-sim/SimText.h"

#include "tools/powercfg-sim/SimPlans.h"

namespace powercfgsim {

const ProfileTexts& TextsFor(Profile profile) {
    static const ProfileTexts zh{"现有电源使用方案 (* 活动)",
                                 "电源方案 GUID:",
                                 "参数无效 -- 请尝试 \"/?\" 获取帮助",
                                 "节能",
                                 "平衡",
                                 "高性能",
                                 "卓越性能",
                                 "方案 "};
    static const ProfileTexts en{"Existing Power Schemes (* Active)",
                                 "Power Scheme GUID:",
                                 "Invalid Parameters -- try \"/?\" for help",
                                 "Power saver",
                                 "Balanced",
                                 "High performance",
                                 "Ultimate Performance",
                                 "Scheme "};
    static const ProfileTexts other{"Vorhandene Energieschemas (* Aktiv)",
                                    "Energieschema-GUID:",
                                    "Ungültige Parameter -- Hilfe erhalten Sie mit \"/?\"",
                                    "Energiesparmodus",
                                    "Ausbalanciert",
                                    "Höchstleistung",
                                    "Ultimative Leistung",
                                    "Schema "};
    switch (profile) {
    case Profile::En:
        return en;
    case Profile::Other:
        return other;
    default:
        return zh;
    }
}

std::string PlanLine(Profile profile, const Plan& plan, bool active) {
    std::string line = TextsFor(profile).linePrefix;
    line.append(" ").append(plan.guid).append("  (").append(plan.name).append(")");
    if (active)
        line.append(" *");
    return line.append("\r\n");
}

std::string ListOutput(const SimState& state) {
    std::string out = "\r\n";
    out.append(TextsFor(state.profile).header).append("\r\n");
    out.append(std::string(35, '-')).append("\r\n");
    for (const Plan& p : VisiblePlans(state))
        out.append(PlanLine(state.profile, p, SameGuid(p.guid, state.active)));
    return out;
}

std::string InvalidParametersOutput(Profile profile) {
    return std::string(TextsFor(profile).invalidParameters) + "\r\n";
}

} // namespace powercfgsim
