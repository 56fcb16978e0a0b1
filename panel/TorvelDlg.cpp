#include "panel/TorvelDlg.h"

#include <cstdlib>
#include <memory>
#include <new>

#include "controls/PngResource.h"
#include "dialogs/PromptDlg.h"
#include "engine/PowerModeTable.h"
#include "feedback/ToolIdentity.h"
#include "log/LogFailure.h"

namespace halvane {

namespace {
// One confirm button (确认).
constexpr int kConfirmOnlyPrompt = 3;

// A confirm-only prompt at the panel's scale. Without memory for the text the prompt is left
// out: the caller ends the process either way.
void RunPrompt(CPromptDlg& prompt, float scale, const wchar_t* text) noexcept {
    prompt.m_fScale = scale;
    try {
        prompt.SetMessageText(text);
    } catch (...) {
        return;
    }
    prompt.SetType(kConfirmOnlyPrompt);
    prompt.DoModal();
}
} // namespace

const fw::MessageTable& CTorvelDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_DESTROY, &CTorvelDlg::OnDestroy>(),
        fw::OnMessage<WM_TIMER, &CTorvelDlg::OnTimer>(),
    };
    static const fw::MessageTable table{&CDialog::Messages(), entries};
    return table;
}

CTorvelDlg::~CTorvelDlg() = default;

void CTorvelDlg::DoDataExchange(CDataExchange* dx) noexcept {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_MODE_LIST, m_modeList);
    DDX_Control(dx, IDC_AGREEMENT_LINK, m_agreementLink);
}

BOOL CTorvelDlg::OnInitDialog() noexcept {
    CDialog::OnInitDialog();

    if (!m_background) {
        Gdiplus::Image* image = nullptr;
        if (!LoadPngFromResource(&image, IDB_PANEL_BK))
            return TRUE; // no skin: no checks, no list, no timers
        m_background.reset(image);
    }

    RunStartupChecks();
    FillModeList();
    SetTimer(kHoverTimer, kTimerPeriodMs);
    SetTimer(kVersionCheckTimer, kTimerPeriodMs);
    m_bInitialized = true;
    return TRUE;
}

void CTorvelDlg::RunStartupChecks() noexcept {
    const HWND self = GetSafeHwnd();
    if (!m_powerSwitcher.SetMsgWnd(self))
        FailStartup(kMsgWndFailure);
    if (!m_powerSwitcher.IsSupportedSystem())
        FailStartup(kUnsupportedSystem);
    if (!m_mouseHook.SetTarget(self))
        FailStartup(kHookTargetFailure);
    if (!m_mouseHook.Install())
        FailStartup(kHookInstallFailure);
    if (!m_feedbackDll.Load())
        FailStartup(kFeedbackLoadFailure);
    if (m_feedbackDll.InitFreedbackDll() == 0)
        FailStartup(kFeedbackInitFailure);
}

void CTorvelDlg::FailStartup(const StartupFailure& failure) noexcept {
    LogFailure(failure.logText);
    CPromptDlg prompt; // no owner window: the panel is not shown yet
    RunPrompt(prompt, m_fScale, failure.promptText);
    // Ends at once: no window is destroyed, so neither this panel nor the main window tears down.
    std::exit(0);
}

void CTorvelDlg::FillModeList() noexcept {
    // The index is the power mode.
    for (int mode = 0; mode < kPowerModeCount; ++mode)
        m_modeList.InsertString(mode, kPowerModeNames[mode]);
    m_modeList.SetCurSel(POWER_MODE_BALANCED);
}

void CTorvelDlg::OnTimer(UINT_PTR nIDEvent) noexcept {
    if (nIDEvent == kHoverTimer) {
        POINT cursor{};
        if (::GetCursorPos(&cursor))
            m_agreementLink.UpdateHover(cursor.x, cursor.y);
    } else if (nIDEvent == kVersionCheckTimer) {
        KillTimer(kVersionCheckTimer);
        RunVersionCheck();
    }
    Default();
}

void CTorvelDlg::RunVersionCheck() noexcept {
    if (m_feedbackDll.GetToolIsNewVersion(kToolId, kToolVersion) != kNewVersionAvailable)
        return; // errors included: the tool runs on
    if (auto prompt = std::unique_ptr<CPromptDlg>(new (std::nothrow) CPromptDlg(this))) {
        RunPrompt(*prompt, m_fScale, kNewVersionPrompt);
        prompt.reset();
    }
    m_feedbackDll.OpenToolDownUrl();
    std::exit(0);
}

BOOL CTorvelDlg::PreTranslateMessage(MSG* msg) noexcept {
    // Neither key may end the panel.
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CTorvelDlg::OnDestroy() noexcept {
    CWnd::OnDestroy();
    m_background.reset();
    KillTimer(kHoverTimer);
    m_mouseHook.Uninstall();
    m_feedbackDll.Free();
}

} // namespace halvane
