#include "dialogs/ExecutePromptChildDlg.h"

#include "dialogs/ExecutePromptLayout.h"
#include "res/resource.h"

namespace halvane {

CExecutePromptChildDlg::CExecutePromptChildDlg() noexcept
    : CSkinFrameChildDlg(kExecutePromptPair) {}

CExecutePromptChildDlg::~CExecutePromptChildDlg() = default;

void CExecutePromptChildDlg::DoDataExchange(CDataExchange* pDX) noexcept {
    CSkinFrameChildDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATE_TEXT, m_stcState);
}

void CExecutePromptChildDlg::LayoutControls(bool bFirst) noexcept {
    RECT client{};
    GetClientRect(&client);
    try {
        m_stcState.SetWindowText(StateTextFor(m_strMessage).c_str());
    } catch (...) {
        m_stcState.SetWindowText(kExecuteFallbackText);
    }
    m_stcState.SetAlignMode(kStateTextAlign);
    m_stcState.SetTextColor(kStateTextColor);
    const fw::IntRect r =
        StateTextRect({client.left, client.top, client.right, client.bottom}, m_fScale);
    if (bFirst) {
        m_stcState.SetBkImage(GetBkImage());
        m_stcState.SetTextFont(0, 0);
        m_stcState.StartAnimation();
    }
    m_stcState.SetBkImageRect(kStateTextBkRect.left, kStateTextBkRect.top, kStateTextBkRect.right,
                              kStateTextBkRect.bottom);
    m_stcState.MoveWindow(RECT{r.left, r.top, r.right, r.bottom}, TRUE);
}

void CExecutePromptChildDlg::ReleaseControls() noexcept {
    m_stcState.ResetAnimation();
}

void CExecutePromptChildDlg::StopAnimation() noexcept {
    m_stcState.StopAnimation();
}

} // namespace halvane
