// Power modes, the plans they select and the texts of every failed step.
// Pure data and the set command's formatting: shared by the switcher and its tests.
#pragma once

#include <string>

namespace halvane {

enum PowerMode : int {
    POWER_MODE_SAVER = 0,
    POWER_MODE_BALANCED = 1,
    POWER_MODE_HIGH_PERFORMANCE = 2,
    POWER_MODE_ULTIMATE = 3,
};

constexpr int kPowerModeCount = 4;

// The mode list's texts, indexed by PowerMode.
extern const wchar_t* const kPowerModeNames[kPowerModeCount];

// Listing the plans; the trailing blank is part of the command.
constexpr const wchar_t* kListSchemesCommand = L"powercfg /l ";
constexpr const wchar_t* kSetActivePrefix = L"powercfg -s ";

// kSetActivePrefix followed by the GUID into *command; false, and *command untouched, when the
// text is not 8-4-4-4-12 hex digits. The command line goes to the interpreter, so nothing else
// may ever reach it.
bool FormatSetActiveCommand(const std::wstring& guid, std::wstring* command);

// Log texts of the three steps that activate a plan and confirm it.
struct ActivationTexts {
    const wchar_t* setFailure;    // "powercfg -s <guid>" could not be started
    const wchar_t* listFailure;   // the list command could not be started
    const wchar_t* verifyFailure; // the plan is not marked active afterwards
};

// A mode whose plan has a fixed, built-in GUID (saver, balanced, high performance).
struct FixedPlanSteps {
    const wchar_t* planGuid;
    ActivationTexts texts;
};

// Steps for modes 0 to 2; null for the ultimate mode and anything out of range.
const FixedPlanSteps* FixedPlanStepsFor(int mode);

// Ultimate performance: found by name, else created from the built-in template.
namespace ultimate {
constexpr const wchar_t* kTemplateGuid = L"e9a42b02-d5df-448d-aa00-03f14749eb61";
constexpr const wchar_t* kDuplicateCommand =
    L"powercfg -duplicatescheme e9a42b02-d5df-448d-aa00-03f14749eb61";
constexpr const wchar_t* kChineseName = L"卓越性能";
constexpr const wchar_t* kEnglishName = L"Ultimate Performance";

constexpr const wchar_t* kFirstListFailure = L"执行获取当前系统电源模式命令失败5";
constexpr const wchar_t* kParseFailure = L"解析卓越性能电源方案GUID失败";
constexpr const wchar_t* kDuplicateFailure = L"获取卓越性能电源方案GUID失败";
// Plan already installed.
constexpr ActivationTexts kExisting = {L"执行设置卓越性能命令失败1",
                                       L"执行获取当前系统电源模式命令失败6", L"设置卓越性能失败1"};
// Plan created from the template.
constexpr ActivationTexts kCreated = {L"执行设置卓越性能命令失败",
                                      L"执行获取当前系统电源模式命令失败1", L"设置卓越性能失败"};
} // namespace ultimate

constexpr const wchar_t* kStartWorkerFailure = L"创建设置电源模式线程失败";

} // namespace halvane
