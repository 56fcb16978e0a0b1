#include "tools/powercfg-sim/SimCommand.h"

#include "tools/powercfg-sim/SimPlans.h"
#include "tools/powercfg-sim/SimText.h"

#include <algorithm>

namespace powercfgsim {
namespace {

const Plan* FindPlan(const std::vector<Plan>& plans, std::string_view guid) {
    auto it = std::find_if(plans.begin(), plans.end(),
                           [&](const Plan& p) { return SameGuid(p.guid, guid); });
    return it == plans.end() ? nullptr : &*it;
}

Outcome Invalid(const SimState& state) {
    return {InvalidParametersOutput(state.profile), false, 1};
}

Outcome SetActive(SimState& state, const Command& command) {
    if (command.args.empty())
        return Invalid(state);
    std::vector<Plan> visible = VisiblePlans(state);
    const Plan* plan = FindPlan(visible, command.args[0]);
    if (!plan)
        return Invalid(state);
    if (!state.ignoreSet)
        state.active = plan->guid;
    return {};
}

Outcome Duplicate(SimState& state, const Command& command, const std::string& freshGuid) {
    if (command.args.empty())
        return Invalid(state);
    const std::string& source = command.args[0];
    std::string name;
    std::vector<Plan> visible = VisiblePlans(state);
    if (SameGuid(source, kUltimateTemplateGuid) && !state.hideUltimate) {
        name = TextsFor(state.profile).ultimateName;
    } else if (const Plan* plan = FindPlan(visible, source)) {
        name = plan->name;
    } else {
        return Invalid(state);
    }
    std::string guid = freshGuid;
    if (command.args.size() > 1) {
        guid = ToLowerAscii(command.args[1]);
        if (!IsGuidText(guid) || FindPlan(state.plans, guid) || FindPlan(visible, guid))
            return Invalid(state);
    }
    // Under modern standby the copy is stored but stays hidden, like every plan but Balanced.
    state.plans.push_back({guid, name});
    return {PlanLine(state.profile, state.plans.back(), false), false, 0};
}

} // namespace

Command ParseCommand(const std::vector<std::string>& argv) {
    Command command;
    if (argv.empty())
        return command;
    const std::string& sw = argv[0];
    if (sw.size() < 2 || (sw[0] != '-' && sw[0] != '/'))
        return command;
    std::string name = ToLowerAscii(sw.substr(1));
    if (name == "l" || name == "list")
        command.verb = Verb::List;
    else if (name == "s" || name == "setactive")
        command.verb = Verb::SetActive;
    else if (name == "duplicatescheme")
        command.verb = Verb::Duplicate;
    else if (name == "?")
        command.verb = Verb::Help;
    command.args.assign(argv.begin() + 1, argv.end());
    return command;
}

Outcome Execute(SimState& state, const Command& command, const std::string& freshGuid) {
    switch (command.verb) {
    case Verb::List:
        if (state.rawOutput)
            return {*state.rawOutput, true, 0};
        return {ListOutput(state), false, 0};
    case Verb::SetActive:
        return SetActive(state, command);
    case Verb::Duplicate:
        return Duplicate(state, command, freshGuid);
    case Verb::Help:
        return {"\r\nPOWERCFG /L | /S GUID | /DUPLICATESCHEME GUID [GUID]\r\n", false, 0};
    case Verb::Invalid:
        break;
    }
    return Invalid(state);
}

} // namespace powercfgsim
