// CPromptChildDlg: the prompt's inner dialog: the message, a close button and one or two answer
// buttons whose pictures depend on the prompt type. Its buttons end the outer.
#pragma once

#include <string>

#include "controls/DrawTextStatic.h"
#include "controls/PngButton.h"
#include "dialogs/SkinFrameChildDlg.h"

namespace halvane {

class CPromptChildDlg : public CSkinFrameChildDlg {
public:
    CPromptChildDlg() noexcept;
    ~CPromptChildDlg() override;

    // Set by the outer before the window is created.
    void SetMessageText(const std::wstring& text) { m_message = text; }
    void SetType(int type) noexcept { m_type = type; }

    DECLARE_MESSAGE_TABLE()

protected:
    void DoDataExchange(CDataExchange* pDX) noexcept override;
    void LayoutControls(bool bFirst) noexcept override;
    void ReleaseControls() noexcept override;

private:
    void OnBnClickedClose() noexcept;
    void OnBnClickedOk() noexcept;
    void OnBnClickedCancel() noexcept;

    CPngButton m_closeButton;
    CPngButton m_okButton;
    CPngButton m_cancelButton;
    CDrawTextStatic m_messageText;
    std::wstring m_message;
    int m_type = 1;
};

} // namespace halvane
