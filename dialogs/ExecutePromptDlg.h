// CExecutePromptDlg: the modal wait window of a power-mode change. A layered pair (skin 145
// around the inner CExecutePromptChildDlg) that cannot be dragged and has no button: it ends
// only with WM_EXECUTE_FINISHED, and DoModal then returns IDOK.
#pragma once

#include <string>

#include "dialogs/SkinFrameDlg.h"

namespace halvane {

class CExecutePromptDlg : public CSkinFrameDlg {
public:
    explicit CExecutePromptDlg(CWnd* pParent = nullptr) noexcept;
    ~CExecutePromptDlg() override;

    // Handed to the inner once, when the dialog starts; fewer than 2 characters show
    // "正在修复，请稍等".
    void SetMessageText(const std::wstring& text) { m_message = text; }

    DECLARE_MESSAGE_TABLE()

protected:
    std::unique_ptr<CSkinFrameChildDlg> CreateChildDlg() noexcept override;
    // Nothing but WM_EXECUTE_FINISHED ends the wait, not even the window manager's close.
    void OnCancel() noexcept override {}

private:
    LRESULT OnExecuteFinished(WPARAM wParam, LPARAM lParam) noexcept;

    std::wstring m_message;
};

} // namespace halvane
