#include "dialogs/ExecutePromptChildDlg.h"

#include "dialogs/ExecutePromptLayout.h"
#include "res/resource.h"

namespace halvane {

CExecutePromptChildDlg::CExecutePromptChildDlg() noexcept
    : CSkinFrameChildDlg(kExecutePromptPair) {}

CExecutePromptChildDlg::~CExecutePromptChildDlg() = default;

void CExecutePromptChildDlg::DoDataExchange(CDataExchange* pDX) noexcept {
    CSkinFrameChildDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATE_TEXT, m_stateText);
}

void CExecutePromptChildDlg::LayoutControls(bool bFirst) noexcept {
    RECT client{};
    GetClientRect(&client);
    try {
        m_stateText.SetWindowText(StateTextFor(m_message).c_str());
    } catch (...) {
        m_stateText.SetWindowText(kExecuteFallbackText);
    }
    m_stateText.SetAlignMode(kStateTextAlign);
    m_stateText.SetTextColor(kStateTextColor);
    const fw::IntRect r =
        StateTextRect({client.left, client.top, client.right, client.bottom}, m_fScale);
    if (bFirst) {
        m_stateText.SetBkImage(GetBkImage());
        m_stateText.SetTextFont(0, 0);
        m_stateText.StartAnimation();
    }
    m_stateText.SetBkImageRect(kStateTextBkRect.left, kStateTextBkRect.top, kStateTextBkRect.right,
                               kStateTextBkRect.bottom);
    m_stateText.MoveWindow(RECT{r.left, r.top, r.right, r.bottom}, TRUE);
}

void CExecutePromptChildDlg::ReleaseControls() noexcept {
    m_stateText.ResetAnimation();
}

void CExecutePromptChildDlg::StopAnimation() noexcept {
    m_stateText.StopAnimation();
}

} // namespace halvane
