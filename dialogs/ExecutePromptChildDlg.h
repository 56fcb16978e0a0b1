// CExecutePromptChildDlg: the progress dialog's inner: one line of white text with dots that
// grow once a second, over a double-buffered blue background. No buttons.
#pragma once

#include <string>

#include "controls/DrawStateInfoStatic.h"
#include "dialogs/SkinFrameChildDlg.h"

namespace halvane {

class CExecutePromptChildDlg : public CSkinFrameChildDlg {
public:
    CExecutePromptChildDlg() noexcept;
    ~CExecutePromptChildDlg() override;

    // Set by the outer before the window is created.
    void SetMessageText(const std::wstring& text) { m_message = text; }
    // Stops the dots and drops them.
    void StopAnimation() noexcept;

protected:
    void DoDataExchange(CDataExchange* pDX) noexcept override;
    void LayoutControls(bool bFirst) noexcept override;
    void ReleaseControls() noexcept override;

private:
    CDrawStateInfoStatic m_stateText;
    std::wstring m_message;
};

} // namespace halvane
