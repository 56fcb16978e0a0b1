// CProblemSolvingFeedbackDlg: asks, when the tool closes, whether the problem was solved. A layered
// pair (skin 176 around the inner CProblemSolvingFeedbackChildDlg) with the answers "解决",
// "未解决", "更多方案" and a close button; an answer goes to the feedback library and ends the
// dialog, "更多方案" opens the knowledge base and leaves it open. DoModal returns IDCANCEL.
// Every other way of closing it (Alt+F4 or the system menu's Close on either window, WM_CLOSE
// from another program) does what the close button does: "closed without an answer" is reported.
//
// The dialog takes its scale from the screen itself: the caller sets only the library.
#pragma once

#include "dialogs/SkinFrameDlg.h"

namespace halvane {

class CFeedbackDll;

class CProblemSolvingFeedbackDlg : public CSkinFrameDlg {
public:
    explicit CProblemSolvingFeedbackDlg(CWnd* pParent = nullptr) noexcept;
    ~CProblemSolvingFeedbackDlg() override;

    // The main panel's library (not owned; it must outlive the dialog); null reports nothing.
    void SetFeedbackDll(CFeedbackDll* pFeedbackDll) noexcept { m_feedbackDll = pFeedbackDll; }

protected:
    BOOL OnInitDialog() noexcept override;
    std::unique_ptr<CSkinFrameChildDlg> CreateChildDlg() noexcept override;
    // Every close ends here (the inner's buttons send WM_CLOSE once they have reported).
    void OnCancel() noexcept override;

private:
    CFeedbackDll* m_feedbackDll = nullptr;
};

} // namespace halvane
