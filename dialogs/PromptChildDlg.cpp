#include "dialogs/PromptChildDlg.h"

#include "dialogs/ButtonSetup.h"
#include "dialogs/PromptLayout.h"
#include "framework/ToolMessages.h"
#include "res/resource.h"

namespace halvane {

CPromptChildDlg::CPromptChildDlg() noexcept : CSkinFrameChildDlg(kPromptPair) {}

CPromptChildDlg::~CPromptChildDlg() = default;

const fw::MessageTable& CPromptChildDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnClicked<IDC_PROMPT_CLOSE, &CPromptChildDlg::OnBnClickedClose>(),
        fw::OnClicked<IDC_PROMPT_OK, &CPromptChildDlg::OnBnClickedOk>(),
        fw::OnClicked<IDC_PROMPT_CANCEL, &CPromptChildDlg::OnBnClickedCancel>(),
    };
    static const fw::MessageTable table{&CSkinFrameChildDlg::Messages(), entries};
    return table;
}

void CPromptChildDlg::DoDataExchange(CDataExchange* pDX) noexcept {
    CSkinFrameChildDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROMPT_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_PROMPT_TEXT, m_stcMessage);
    DDX_Control(pDX, IDC_PROMPT_OK, m_btnOk);
    DDX_Control(pDX, IDC_PROMPT_CANCEL, m_btnCancel);
}

void CPromptChildDlg::LayoutControls(bool bFirst) noexcept {
    RECT client{};
    GetClientRect(&client);
    const PromptLayout layout = ComputePromptLayout(client.right - client.left,
                                                    client.bottom - client.top, m_fScale, m_nType);
    Gdiplus::Image* background = GetBkImage();

    // Only the close button takes the scale; the answer buttons keep theirs at 1.
    if (bFirst) {
        m_btnClose.m_fScale = m_fScale;
        m_btnClose.SetBkImage(background);
        SetBkImageRect(m_btnClose, kPromptCloseBkRect);
        SetPngImages(m_btnClose, kPromptCloseImages);
    }
    m_btnClose.MoveWindow(ToRect(layout.close), TRUE);

    if (bFirst) {
        m_btnOk.SetBkImage(background);
        SetBkImageRect(m_btnOk, kPromptOkBkRect);
        m_btnCancel.SetBkImage(background);
        SetBkImageRect(m_btnCancel, kPromptCancelBkRect);
        SetPngImages(m_btnOk, layout.buttons.ok);
        SetPngImages(m_btnCancel, layout.buttons.cancel);
    }
    m_btnOk.MoveWindow(ToRect(layout.ok), TRUE);
    m_btnCancel.MoveWindow(ToRect(layout.cancel), TRUE);
    m_btnOk.ShowWindow(SW_SHOW);
    m_btnCancel.ShowWindow(layout.buttons.cancelShown ? SW_SHOW : SW_HIDE);

    if (bFirst) {
        m_stcMessage.SetTextFont(0, 0);
        m_stcMessage.SetAlignMode(kPromptMessageAlign);
    }
    m_stcMessage.SetWindowText(m_strMessage.c_str());
    m_stcMessage.MoveWindow(ToRect(layout.message), TRUE);
}

void CPromptChildDlg::ReleaseControls() noexcept {
    m_btnClose.ReleasePngImages();
    m_btnOk.ReleasePngImages();
    m_btnCancel.ReleasePngImages();
}

void CPromptChildDlg::OnBnClickedClose() noexcept {
    ::SendMessageW(GetParentHandle(), WM_CLOSE, 0, 0);
}

void CPromptChildDlg::OnBnClickedOk() noexcept {
    ::SendMessageW(GetParentHandle(), WM_PROMPT_RESULT, kPromptResultOk, 0);
}

void CPromptChildDlg::OnBnClickedCancel() noexcept {
    ::SendMessageW(GetParentHandle(), WM_PROMPT_RESULT, kPromptResultCancel, 0);
}

} // namespace halvane
