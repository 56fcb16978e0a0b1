#include "dialogs/ProblemSolvingFeedbackDlg.h"

#include <new>

#include "dialogs/FeedbackAnswer.h"
#include "dialogs/ProblemSolvingFeedbackChildDlg.h"
#include "framework/DisplayScale.h"
#include "framework/ScreenDpi.h"

namespace halvane {

namespace {
constexpr wchar_t kTitle[] = L"霁衡";
} // namespace

CProblemSolvingFeedbackDlg::CProblemSolvingFeedbackDlg(CWnd* pParent) noexcept
    : CSkinFrameDlg(kFeedbackPair, pParent) {}

CProblemSolvingFeedbackDlg::~CProblemSolvingFeedbackDlg() = default;

BOOL CProblemSolvingFeedbackDlg::OnInitDialog() noexcept {
    SetWindowText(kTitle);
    // Shown while the main window closes, so it asks the screen rather than the panel. At
    // ordinary DPI the scale stays as constructed (1.0).
    const int dpi = fw::ScreenLogPixelsY();
    if (fw::DpiAsksForScale(dpi))
        m_fScale = fw::ScaleFromDpi(dpi);
    // The frame sizes the skin with m_fScale and copies it into the inner.
    return CSkinFrameDlg::OnInitDialog();
}

std::unique_ptr<CSkinFrameChildDlg> CProblemSolvingFeedbackDlg::CreateChildDlg() noexcept {
    std::unique_ptr<CProblemSolvingFeedbackChildDlg> child(new (std::nothrow)
                                                               CProblemSolvingFeedbackChildDlg);
    if (child)
        child->SetFeedbackDll(m_feedbackDll);
    return child;
}

void CProblemSolvingFeedbackDlg::OnCancel() noexcept {
    // A close that gave no answer is answered "closed" first; after an answer this reports nothing.
    if (auto* child = static_cast<CProblemSolvingFeedbackChildDlg*>(GetChildDlg()))
        child->ReportAnswer(kAnswerClosed);
    CSkinFrameDlg::OnCancel();
}

} // namespace halvane
