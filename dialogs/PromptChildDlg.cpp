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
    DDX_Control(pDX, IDC_PROMPT_CLOSE, m_closeButton);
    DDX_Control(pDX, IDC_PROMPT_TEXT, m_messageText);
    DDX_Control(pDX, IDC_PROMPT_OK, m_okButton);
    DDX_Control(pDX, IDC_PROMPT_CANCEL, m_cancelButton);
}

void CPromptChildDlg::LayoutControls(bool bFirst) noexcept {
    RECT client{};
    GetClientRect(&client);
    const PromptLayout layout = ComputePromptLayout(client.right - client.left,
                                                    client.bottom - client.top, m_fScale, m_type);
    Gdiplus::Image* background = GetBkImage();

    // Only the close button takes the scale; the answer buttons keep theirs at 1.
    if (bFirst) {
        m_closeButton.m_fScale = m_fScale;
        m_closeButton.SetBkImage(background);
        SetBkImageRect(m_closeButton, kPromptCloseBkRect);
        SetPngImages(m_closeButton, kPromptCloseImages);
    }
    m_closeButton.MoveWindow(ToRect(layout.close), TRUE);

    if (bFirst) {
        m_okButton.SetBkImage(background);
        SetBkImageRect(m_okButton, kPromptOkBkRect);
        m_cancelButton.SetBkImage(background);
        SetBkImageRect(m_cancelButton, kPromptCancelBkRect);
        SetPngImages(m_okButton, layout.buttons.ok);
        SetPngImages(m_cancelButton, layout.buttons.cancel);
    }
    m_okButton.MoveWindow(ToRect(layout.ok), TRUE);
    m_cancelButton.MoveWindow(ToRect(layout.cancel), TRUE);
    m_okButton.ShowWindow(SW_SHOW);
    m_cancelButton.ShowWindow(layout.buttons.cancelShown ? SW_SHOW : SW_HIDE);

    if (bFirst) {
        m_messageText.SetTextFont(0, 0);
        m_messageText.SetAlignMode(kPromptMessageAlign);
    }
    m_messageText.SetWindowText(m_message.c_str());
    m_messageText.MoveWindow(ToRect(layout.message), TRUE);
}

void CPromptChildDlg::ReleaseControls() noexcept {
    m_closeButton.ReleasePngImages();
    m_okButton.ReleasePngImages();
    m_cancelButton.ReleasePngImages();
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
