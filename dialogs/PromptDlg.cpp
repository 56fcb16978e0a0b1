#include "dialogs/PromptDlg.h"

#include <new>

#include "dialogs/PromptChildDlg.h"
#include "framework/ToolMessages.h"

namespace halvane {

CPromptDlg::CPromptDlg(CWnd* pParent) noexcept : CSkinFrameDlg(kPromptPair, pParent) {}

CPromptDlg::~CPromptDlg() = default;

const fw::MessageTable& CPromptDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_PROMPT_RESULT, &CPromptDlg::OnPromptResult>(),
    };
    static const fw::MessageTable table{&CSkinFrameDlg::Messages(), entries};
    return table;
}

std::unique_ptr<CSkinFrameChildDlg> CPromptDlg::CreateChildDlg() noexcept {
    std::unique_ptr<CPromptChildDlg> child(new (std::nothrow) CPromptChildDlg);
    if (!child)
        return nullptr;
    try {
        child->SetMessageText(m_message);
    } catch (...) {
        return nullptr;
    }
    child->SetType(m_type);
    return child;
}

LRESULT CPromptDlg::OnPromptResult(WPARAM wParam, LPARAM) noexcept {
    if (wParam == kPromptResultOk)
        OnOK();
    else
        OnCancel();
    return 0;
}

} // namespace halvane
