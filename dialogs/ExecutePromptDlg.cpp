#include "dialogs/ExecutePromptDlg.h"

#include <new>

#include "dialogs/ExecutePromptChildDlg.h"
#include "framework/ToolMessages.h"

namespace halvane {

CExecutePromptDlg::CExecutePromptDlg(CWnd* pParent) noexcept
    : CSkinFrameDlg(kExecutePromptPair, pParent) {}

CExecutePromptDlg::~CExecutePromptDlg() = default;

const fw::MessageTable& CExecutePromptDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_EXECUTE_FINISHED, &CExecutePromptDlg::OnExecuteFinished>(),
    };
    static const fw::MessageTable table{&CSkinFrameDlg::Messages(), entries};
    return table;
}

std::unique_ptr<CSkinFrameChildDlg> CExecutePromptDlg::CreateChildDlg() noexcept {
    std::unique_ptr<CExecutePromptChildDlg> child(new (std::nothrow) CExecutePromptChildDlg);
    if (!child)
        return nullptr;
    try {
        child->SetMessageText(m_message);
    } catch (...) {
        return nullptr;
    }
    return child;
}

LRESULT CExecutePromptDlg::OnExecuteFinished(WPARAM, LPARAM) noexcept {
    if (auto* child = static_cast<CExecutePromptChildDlg*>(GetChildDlg()))
        child->StopAnimation();
    OnOK();
    return 0;
}

} // namespace halvane
