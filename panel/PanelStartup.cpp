#include "panel/PanelStartup.h"

#include "engine/PowerSchemeSwitcher.h"
#include "feedback/FeedbackDll.h"
#include "feedback/ToolIdentity.h"
#include "feedback/VersionAnswers.h"
#include "log/LogFailure.h"
#include "panel/MouseHook.h"
#include "panel/PanelPrompts.h"

namespace halvane {

bool CPanelStartup::RunChecks(HWND panel, float scale) noexcept {
    const StartupFailure* failure = nullptr;
    // Each check runs only when every one before it passed.
    if (!m_switcher.SetMsgWnd(panel))
        failure = &kMsgWndFailure;
    else if (!m_switcher.IsSupportedSystem())
        failure = &kUnsupportedSystem;
    else if (!m_hook.SetTarget(panel))
        failure = &kHookTargetFailure;
    else if (!m_hook.Install())
        failure = &kHookInstallFailure;
    else if (!m_feedback.Load())
        failure = &kFeedbackLoadFailure;
    else if (m_feedback.InitFreedbackDll() == 0)
        failure = &kFeedbackInitFailure;
    if (failure == nullptr)
        return true;
    Fail(*failure, scale);
    return false;
}

void CPanelStartup::Fail(const StartupFailure& failure, float scale) noexcept {
    LogFailure(failure.logText);
    m_prompts.Show(nullptr, scale, failure.promptText); // the panel is not shown yet
    m_prompts.EndProcess();
}

void CPanelStartup::RunVersionCheck(CWnd* owner, float scale) noexcept {
    if (m_feedback.GetToolIsNewVersion(kToolId, kToolVersion) != feedback::kNewerVersionAvailable)
        return; // errors included: the tool runs on
    m_prompts.Show(owner, scale, kNewVersionPrompt);
    m_feedback.OpenToolDownUrl();
    m_prompts.EndProcess();
}

} // namespace halvane
