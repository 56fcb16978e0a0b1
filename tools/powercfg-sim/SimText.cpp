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
    // The real tool's labels: no "GUID:" in any of them.
    static const ProfileTexts de{"Vorhandene Energieschemas (* Aktiv)",
                                 "GUID des Energieschemas:",
                                 other.invalidParameters,
                                 other.saverName,
                                 other.balancedName,
                                 other.highPerformanceName,
                                 other.ultimateName,
                                 other.extraNamePrefix};
    static const ProfileTexts es{"Combinaciones de energía existentes (* Activo)",
                                 "GUID de plan de energía:",
                                 "Parámetros no válidos -- pruebe \"/?\" para obtener ayuda",
                                 "Economizador",
                                 "Equilibrado",
                                 "Alto rendimiento",
                                 "Máximo rendimiento",
                                 "Combinación "};
    static const ProfileTexts fr{"Modes de gestion de l'alimentation existants (* Actif)",
                                 "GUID du mode de gestion de l'alimentation :",
                                 "Paramètres non valides -- essayez \"/?\" pour obtenir de l'aide",
                                 "Économies d'énergie",
                                 "Utilisation normale",
                                 "Performances élevées",
                                 "Performances optimales",
                                 "Mode "};
    switch (profile) {
    case Profile::En:
        return en;
    case Profile::Other:
        return other;
    case Profile::De:
        return de;
    case Profile::Es:
        return es;
    case Profile::Fr:
        return fr;
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
