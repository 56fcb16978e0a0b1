// What each start-up check of the panel writes to the log and shows when it fails. Every
// failure but the unsupported system shows the same prompt; only the log tells them apart.
#pragma once

namespace halvane {

struct StartupFailure {
    const wchar_t* logText;
    const wchar_t* promptText;
};

inline constexpr wchar_t kInitFailedPrompt[] = L"工具初始化失败";

inline constexpr StartupFailure kMsgWndFailure{L"设置接收消息窗口指针失败", kInitFailedPrompt};
inline constexpr StartupFailure kUnsupportedSystem{L"此工具不支持当前系统",
                                                   L"此工具不支持当前系统"};
inline constexpr StartupFailure kHookTargetFailure{L"设置钩子接收消息窗口指针失败",
                                                   kInitFailedPrompt};
inline constexpr StartupFailure kHookInstallFailure{L"设置挂载失败", kInitFailedPrompt};
inline constexpr StartupFailure kFeedbackLoadFailure{L"加载反馈DLL失败", kInitFailedPrompt};
inline constexpr StartupFailure kFeedbackInitFailure{L"初始化反馈DLL失败", kInitFailedPrompt};

inline constexpr wchar_t kNewVersionPrompt[] =
    L"检测到当前工具有新的版本更新，请下载最新版本使用。";

} // namespace halvane
