// CProblemSolvingFeedbackChildDlg: the feedback dialog's inner: the close button and the three
// large answer buttons over the background image. Answers and the close button report to the
// feedback library and close the outer; "更多方案" opens the knowledge base.
#pragma once

#include "controls/ImageButton.h"
#include "controls/PngButton.h"
#include "dialogs/SkinFrameChildDlg.h"

namespace halvane {

class CFeedbackDll;

class CProblemSolvingFeedbackChildDlg : public CSkinFrameChildDlg {
public:
    CProblemSolvingFeedbackChildDlg() noexcept;
    ~CProblemSolvingFeedbackChildDlg() override;

    // Copied from the outer before the window is created; null reports nothing.
    void SetFeedbackDll(CFeedbackDll* pFeedbackDll) noexcept { m_feedbackDll = pFeedbackDll; }

    // Hands the answer to the library (when there is one): the first answer only, so a close that
    // follows an answer is not reported again.
    void ReportAnswer(int answer) noexcept;

    DECLARE_MESSAGE_TABLE()

protected:
    void DoDataExchange(CDataExchange* pDX) noexcept override;
    void LayoutControls(bool bFirst) noexcept override;
    void ReleaseControls() noexcept override;

private:
    void OnBnClickedClose() noexcept;
    void OnBnClickedSolved() noexcept;
    void OnBnClickedUnsolved() noexcept;
    void OnBnClickedMoreSolutions() noexcept;
    // Reports the answer, then closes the outer.
    void ReportAndClose(int answer) noexcept;

    RECT m_client{};
    CPngButton m_closeButton;
    CImageButton m_solvedButton;
    CImageButton m_unsolvedButton;
    CImageButton m_moreSolutionsButton;
    CFeedbackDll* m_feedbackDll = nullptr;
    bool m_answered = false;
};

} // namespace halvane
