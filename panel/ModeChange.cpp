#include "panel/ModeChange.h"

#include <new>

#include "engine/PowerMessages.h"
#include "engine/PowerModeTable.h"
#include "engine/PowerSchemeSwitcher.h"
#include "panel/PanelPrompts.h"

namespace halvane {

namespace {
constexpr wchar_t kNoModeSelected[] = L"请选择您要设置的电源模式";
constexpr wchar_t kWorkerNotStarted[] = L"电源模式修改失败！";
constexpr wchar_t kChangeSucceeded[] = L"电源模式修改成功";
constexpr wchar_t kChangeFailed[] = L"电源模式修改失败";
constexpr wchar_t kPleaseWait[] = L"正在修改，请稍等";

// Out of sight without moving, sizing, reordering or taking the activation.
constexpr UINT kHideInPlace =
    SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
} // namespace

CModeChange::~CModeChange() = default;

void CModeChange::ShowOutcomePrompt(const wchar_t* text) noexcept {
    // A prompt on its own (no mode change running) blocks the windows just for itself.
    const bool ownBlock = !m_block.IsActive();
    if (ownBlock)
        m_block.Begin(m_panel.GetParentHandle(), m_panel.GetSafeHwnd());
    m_prompts.Show(nullptr, m_scale, text);
    if (ownBlock)
        m_block.End();
}

void CModeChange::Start(int mode) noexcept {
    // A click that still slips through (a sent BN_CLICKED) must not touch a running change.
    if (IsBusy())
        return;
    if (mode < POWER_MODE_SAVER || mode > POWER_MODE_ULTIMATE) {
        ShowOutcomePrompt(kNoModeSelected);
        return;
    }

    // From here until the outcome prompt is closed (OnSetPowerResult, after this call has
    // returned) neither a second change nor a close may start: the please-wait dialog would be
    // deleted inside its own DoModal, or the panel torn down under the running worker.
    m_block.Begin(m_panel.GetParentHandle(), m_panel.GetSafeHwnd());
    if (!m_switcher.StartSetPowerMode(mode)) {
        ShowOutcomePrompt(kWorkerNotStarted);
        m_block.End();
        return;
    }

    m_waitDialog.reset();
    m_waitDialog.reset(new (std::nothrow) CExecutePromptDlg());
    if (!m_waitDialog)
        return; // the worker still reports; its outcome prompt ends the change
    try {
        m_waitDialog->SetMessageText(kPleaseWait);
    } catch (...) {
        // Fewer than two characters: the dialog shows its own fallback text.
    }
    m_waitDialog->m_fScale = m_scale;
    m_waitDialog->DoModal();
}

void CModeChange::OnExecuteFinished() noexcept {
    if (!m_waitDialog || m_waitDialog->GetSafeHwnd() == nullptr)
        return;
    ::SendMessageW(m_waitDialog->GetSafeHwnd(), WM_EXECUTE_FINISHED, 0, 0);
    // The dialog has ended, but its loop may not see that before the worker's outcome arrives
    // (both are sent from the worker): it leaves the screen now, and the panel takes the
    // activation back, as when the loop returns, so the outcome prompt goes where it always does.
    if (CSkinFrameChildDlg* inner = m_waitDialog->GetChildDlg())
        inner->SetWindowPos(nullptr, 0, 0, 0, 0, kHideInPlace);
    m_waitDialog->SetWindowPos(nullptr, 0, 0, 0, 0, kHideInPlace);
    ::SetActiveWindow(m_panel.GetSafeHwnd());
}

void CModeChange::OnSetPowerResult(WPARAM result) noexcept {
    if (result == kPowerResultSuccess)
        ShowOutcomePrompt(kChangeSucceeded);
    else if (result == kPowerResultFailure)
        ShowOutcomePrompt(kChangeFailed);
    // The worker's last word: the tool takes input again.
    m_block.End();
}

} // namespace halvane
