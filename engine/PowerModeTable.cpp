#include "engine/PowerModeTable.h"

#include "engine/SchemeParsers.h"

namespace halvane {

const wchar_t* const kPowerModeNames[kPowerModeCount] = {
    L"节能模式",
    L"平衡模式",
    L"高性能模式",
    L"卓越性能模式",
};

namespace {
const FixedPlanSteps kFixedPlans[] = {
    {L"a1841308-3541-4fab-bc81-f71556f20b4a",
     {L"执行设置节能模式命令失败", L"执行获取当前系统电源模式命令失败2", L"设置节能模式失败"}},
    {L"381b4222-f694-41f0-9685-ff5bb260df2e",
     {L"执行设置平衡模式命令失败", L"执行获取当前系统电源模式命令失败3", L"设置平衡模式失败"}},
    {L"8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c",
     {L"执行设置高性能模式命令失败", L"执行获取当前系统电源模式命令失败4", L"设置高性能模式失败"}},
};
} // namespace

const FixedPlanSteps* FixedPlanStepsFor(int mode) {
    if (mode < POWER_MODE_SAVER || mode > POWER_MODE_HIGH_PERFORMANCE)
        return nullptr;
    return &kFixedPlans[mode];
}

bool FormatSetActiveCommand(const std::wstring& guid, std::wstring* command) {
    if (!IsGuidShaped(guid))
        return false;
    *command = kSetActivePrefix + guid;
    return true;
}

} // namespace halvane
