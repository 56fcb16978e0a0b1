#include "dialogs/ProblemSolvingFeedbackChildDlg.h"

#include <ctime>

#include "dialogs/ButtonSetup.h"
#include "dialogs/FeedbackAnswer.h"
#include "dialogs/FeedbackLayout.h"
#include "feedback/FeedbackAddresses.h"
#include "feedback/FeedbackDll.h"
#include "feedback/ToolIdentity.h"
#include "res/resource.h"

namespace halvane {

namespace {

void SetUpAnswerButton(CImageButton& button, Gdiplus::Image* background, const fw::IntRect& bk,
                       int hitMargin, const ButtonImages& images) noexcept {
    button.SetBkImage(background);
    SetBkImageRect(button, bk);
    button.SetHitMargins(hitMargin, hitMargin, hitMargin, hitMargin);
    SetPngImages(button, images);
}

} // namespace

CProblemSolvingFeedbackChildDlg::CProblemSolvingFeedbackChildDlg() noexcept
    : CSkinFrameChildDlg(kFeedbackPair) {}

CProblemSolvingFeedbackChildDlg::~CProblemSolvingFeedbackChildDlg() = default;

const fw::MessageTable& CProblemSolvingFeedbackChildDlg::Messages() noexcept {
    using Self = CProblemSolvingFeedbackChildDlg;
    static const fw::MessageEntry entries[] = {
        fw::OnClicked<IDC_FEEDBACK_CLOSE, &Self::OnBnClickedClose>(),
        fw::OnClicked<IDC_SOLVED, &Self::OnBnClickedSolved>(),
        fw::OnClicked<IDC_UNSOLVED, &Self::OnBnClickedUnsolved>(),
        fw::OnClicked<IDC_MORE_SOLUTIONS, &Self::OnBnClickedMoreSolutions>(),
    };
    static const fw::MessageTable table{&CSkinFrameChildDlg::Messages(), entries};
    return table;
}

void CProblemSolvingFeedbackChildDlg::DoDataExchange(CDataExchange* pDX) noexcept {
    CSkinFrameChildDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FEEDBACK_CLOSE, m_closeButton);
    DDX_Control(pDX, IDC_SOLVED, m_solvedButton);
    DDX_Control(pDX, IDC_UNSOLVED, m_unsolvedButton);
    DDX_Control(pDX, IDC_MORE_SOLUTIONS, m_moreSolutionsButton);
}

void CProblemSolvingFeedbackChildDlg::LayoutControls(bool bFirst) noexcept {
    GetClientRect(&m_client);
    const FeedbackLayout layout = ComputeFeedbackLayout(
        {m_client.left, m_client.top, m_client.right, m_client.bottom}, m_fScale);

    // The close button has no background piece: its pictures cover it.
    m_closeButton.m_fScale = m_fScale;
    SetPngImages(m_closeButton, kFeedbackCloseImages);
    m_closeButton.MoveWindow(ToRect(layout.close), TRUE);

    if (bFirst) {
        Gdiplus::Image* background = GetBkImage();
        SetUpAnswerButton(m_solvedButton, background, layout.solvedBk, layout.hitMargin,
                          kFeedbackSolvedImages);
        SetUpAnswerButton(m_unsolvedButton, background, layout.unsolvedBk, layout.hitMargin,
                          kFeedbackUnsolvedImages);
        SetUpAnswerButton(m_moreSolutionsButton, background, layout.moreBk, layout.hitMargin,
                          kFeedbackMoreImages);
    }
    m_solvedButton.MoveWindow(ToRect(layout.solved), TRUE);
    m_unsolvedButton.MoveWindow(ToRect(layout.unsolved), TRUE);
    m_moreSolutionsButton.MoveWindow(ToRect(layout.more), TRUE);
}

void CProblemSolvingFeedbackChildDlg::ReleaseControls() noexcept {
    m_closeButton.ReleasePngImages();
    m_solvedButton.ReleasePngImages();
    m_unsolvedButton.ReleasePngImages();
    m_moreSolutionsButton.ReleasePngImages();
}

void CProblemSolvingFeedbackChildDlg::ReportAnswer(int answer) noexcept {
    if (m_answered)
        return;
    m_answered = true;
    if (m_feedbackDll == nullptr)
        return;
    // The library's results change nothing here: the dialog closes either way.
    const FeedbackTimeText time = FormatFeedbackTime(_time64(nullptr));
    m_feedbackDll->CustomerFeedbackEx(kToolId, kToolVersion, answer, time.text);
    m_feedbackDll->FeedbackQuestion(kToolId, kToolVersion);
}

void CProblemSolvingFeedbackChildDlg::ReportAndClose(int answer) noexcept {
    ReportAnswer(answer);
    ::SendMessageW(GetParentHandle(), WM_CLOSE, 0, 0);
}

void CProblemSolvingFeedbackChildDlg::OnBnClickedClose() noexcept {
    ReportAndClose(kAnswerClosed);
}

// A click whose release lies in the button's rim (its hit margins) is not taken as an answer.
void CProblemSolvingFeedbackChildDlg::OnBnClickedSolved() noexcept {
    if (m_solvedButton.IsCursorInside())
        ReportAndClose(kAnswerSolved);
}

void CProblemSolvingFeedbackChildDlg::OnBnClickedUnsolved() noexcept {
    if (m_unsolvedButton.IsCursorInside())
        ReportAndClose(kAnswerUnsolved);
}

void CProblemSolvingFeedbackChildDlg::OnBnClickedMoreSolutions() noexcept {
    if (m_feedbackDll != nullptr)
        m_feedbackDll->OpenUrl(kKnowledgeBaseRoot);
}

} // namespace halvane
