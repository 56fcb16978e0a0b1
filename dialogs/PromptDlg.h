// CPromptDlg: the system's message box. A layered pair (skin 159 around the inner
// CPromptChildDlg) showing a message with one or two answer buttons and a close button.
// DoModal returns IDOK after OK, IDCANCEL after Cancel or the close button.
#pragma once

#include <string>

#include "dialogs/SkinFrameDlg.h"

namespace halvane {

class CPromptDlg : public CSkinFrameDlg {
public:
    explicit CPromptDlg(CWnd* pParent = nullptr) noexcept;
    ~CPromptDlg() override;

    // Both are handed to the inner once, when the dialog starts.
    void SetMessageText(const std::wstring& text) { m_message = text; }
    // 1 and 3: one button; 2 and 4: two; 3 and 4 read 确认/取消, the others 是/否.
    void SetType(int type) noexcept { m_type = type; }

    DECLARE_MESSAGE_TABLE()

protected:
    std::unique_ptr<CSkinFrameChildDlg> CreateChildDlg() noexcept override;

private:
    LRESULT OnPromptResult(WPARAM wParam, LPARAM lParam) noexcept;

    std::wstring m_message;
    int m_type = 1;
};

} // namespace halvane
