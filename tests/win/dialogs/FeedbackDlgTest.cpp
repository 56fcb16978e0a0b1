// The problem feedback dialog on real windows with a recording feedback library beside the test
// program: what each button reports and in which order, the rim of the answer buttons, the
// knowledge-base button, no library, the places at scale 1 and 2, and GDI ownership. The answer
// buttons read the real cursor, so the tests put it where the click lands.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "dialogs/ProblemSolvingFeedbackDlg.h"
#include "feedback/FeedbackAddresses.h"
#include "feedback/FeedbackDll.h"
#include "framework/GdiObjectCounter.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

using Calls = std::vector<std::wstring>;

class FeedbackDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(m_library.Load()) << "the recording library beside the test program";
        m_recorded = Export<const wchar_t*(WINAPI*)()>("RecordedCalls");
        m_clear = Export<void(WINAPI*)()>("ClearRecordedCalls");
        ASSERT_NE(m_recorded, nullptr);
        ASSERT_NE(m_clear, nullptr);
        m_clear();
    }

    template <typename Fn> Fn Export(const char* name) {
        return reinterpret_cast<Fn>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_library.GetModule(), name)));
    }

    Calls Recorded() const {
        Calls calls;
        std::wstring all = m_recorded();
        for (std::size_t start = 0, end; (end = all.find(L'\n', start)) != std::wstring::npos;
             start = end + 1)
            calls.push_back(all.substr(start, end - start));
        return calls;
    }

    // Runs the dialog: `script` adds its steps once both windows show; if they never show or a
    // step gives up, the dialog is ended with -99.
    INT_PTR Run(CProblemSolvingFeedbackDlg& dialog,
                const std::function<void(ModalScript&, CProblemSolvingFeedbackDlg&)>& script) {
        ModalScript steps;
        steps.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) && Inner(dialog); },
                      5000, "the feedback dialog to show");
        script(steps, dialog);
        steps.Start([&dialog] { dialog.EndDialog(-99); });
        const INT_PTR result = dialog.DoModal();
        // A dialog that closed early (a click that should have been ignored) skips the rest.
        EXPECT_TRUE(steps.Finished()) << "the dialog closed before its last step";
        return result;
    }

    static HWND Inner(CProblemSolvingFeedbackDlg& dialog) {
        return dialog.GetChildDlg() != nullptr ? dialog.GetChildDlg()->GetSafeHwnd() : nullptr;
    }

    // Puts the cursor at (dx, dy) from the control's top-left corner, then clicks it.
    static void ClickAt(HWND inner, int id, int dx, int dy) {
        HWND button = ::GetDlgItem(inner, id);
        const RECT r = WindowRectOf(button);
        ::SetCursorPos(r.left + dx, r.top + dy);
        ::SendMessageW(button, BM_CLICK, 0, 0);
    }
    static void ClickCentre(HWND inner, int id) {
        const RECT r = WindowRectOf(::GetDlgItem(inner, id));
        ClickAt(inner, id, (r.right - r.left) / 2, (r.bottom - r.top) / 2);
    }

    // The dialog is still up a moment later.
    static void ExpectStaysOpen(ModalScript& steps, CProblemSolvingFeedbackDlg& dialog) {
        steps.Pause(200);
        steps.Do([&dialog] { EXPECT_TRUE(::IsWindowVisible(dialog.GetSafeHwnd())); });
    }

    // CustomerFeedbackEx with the answer and a time between the two readings, then
    // FeedbackQuestion, and nothing else.
    void ExpectReported(int answer, long long before, long long after) const {
        const Calls calls = Recorded();
        ASSERT_EQ(calls.size(), 2u);
        const std::wstring prefix =
            L"CustomerFeedbackEx 10113 1.0.21.219 " + std::to_wstring(answer) + L" ";
        ASSERT_EQ(calls[0].substr(0, prefix.size()), prefix);
        const std::wstring time = calls[0].substr(prefix.size());
        ASSERT_FALSE(time.empty());
        EXPECT_EQ(time.find_first_not_of(L"0123456789"), std::wstring::npos) << time;
        const long long seconds = std::stoll(time);
        EXPECT_GE(seconds, before);
        EXPECT_LE(seconds, after);
        EXPECT_EQ(calls[1], L"FeedbackQuestion 10113 1.0.21.219");
    }

    CFeedbackDll m_library;
    const wchar_t*(WINAPI* m_recorded)() = nullptr;
    void(WINAPI* m_clear)() = nullptr;
};

TEST_F(FeedbackDlgTest, EachAnswerReportsThenCloses) {
    const struct {
        int id;
        int answer;
    } cases[] = {{IDC_SOLVED, 1}, {IDC_UNSOLVED, 2}, {IDC_FEEDBACK_CLOSE, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        m_clear();
        CProblemSolvingFeedbackDlg dialog;
        dialog.SetFeedbackDll(&m_library);
        const long long before = _time64(nullptr);
        const INT_PTR result = Run(dialog, [&](ModalScript& steps, CProblemSolvingFeedbackDlg& d) {
            steps.Do([&] { ClickCentre(Inner(d), c.id); });
        });
        const long long after = _time64(nullptr);
        EXPECT_EQ(result, IDCANCEL);
        ExpectReported(c.answer, before, after);
    }
}

TEST_F(FeedbackDlgTest, PlacesAtScaleOneAndTitle) {
    CProblemSolvingFeedbackDlg dialog;
    dialog.SetFeedbackDll(&m_library);
    Run(dialog, [](ModalScript& steps, CProblemSolvingFeedbackDlg& d) {
        steps.Do([&d] {
            HWND outer = d.GetSafeHwnd();
            HWND inner = Inner(d);
            wchar_t title[16]{};
            ::GetWindowTextW(outer, title, 16);
            EXPECT_STREQ(title, L"霁衡");
            // 410 x 479 centred over the owner's (200, 150)-(1000, 750); the centring move
            // brings the inner along with this pair's move insets (5, 3, 5, 7).
            EXPECT_RECT(WindowRectOf(outer), 395, 211, 395 + 410, 211 + 479);
            EXPECT_RECT(WindowRectOf(inner), 400, 214, 400 + 400, 211 + 479 - 7);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_FEEDBACK_CLOSE)), 382, 6, 394, 18);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_SOLVED)), 67, 154, 333, 214);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_UNSOLVED)), 67, 234, 333, 294);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_MORE_SOLUTIONS)), 67, 314, 333, 374);
            // The buttons draw their pictures: the answer faces are not blank white.
            const Pixels face = CaptureClient(::GetDlgItem(inner, IDC_SOLVED));
            EXPECT_LT(InkPixels(face, 0xFFFFFF), face.width * face.height / 2);
        });
        steps.Do([&d] { ClickCentre(Inner(d), IDC_FEEDBACK_CLOSE); });
    });
}

TEST_F(FeedbackDlgTest, ClicksInTheNinePixelRimAreIgnored) {
    CProblemSolvingFeedbackDlg dialog;
    dialog.SetFeedbackDll(&m_library);
    const long long before = _time64(nullptr);
    const INT_PTR result = Run(dialog, [this](ModalScript& steps, CProblemSolvingFeedbackDlg& d) {
        // Each edge's last rim pixel: left, top, right, bottom of the 266 x 60 buttons.
        steps.Do([&d] {
            for (int id : {IDC_SOLVED, IDC_UNSOLVED}) {
                ClickAt(Inner(d), id, 8, 30);
                ClickAt(Inner(d), id, 133, 8);
                ClickAt(Inner(d), id, 266 - 9, 30);
                ClickAt(Inner(d), id, 133, 60 - 9);
            }
        });
        ExpectStaysOpen(steps, d);
        steps.Do([this] { EXPECT_TRUE(Recorded().empty()); });
        // The first pixel inside the margins counts.
        steps.Do([&d] { ClickAt(Inner(d), IDC_UNSOLVED, 9, 9); });
    });
    EXPECT_EQ(result, IDCANCEL);
    ExpectReported(2, before, _time64(nullptr));
}

TEST_F(FeedbackDlgTest, MoreSolutionsOpensTheKnowledgeBaseEachTimeAndStays) {
    CProblemSolvingFeedbackDlg dialog;
    dialog.SetFeedbackDll(&m_library);
    const INT_PTR result = Run(dialog, [this](ModalScript& steps, CProblemSolvingFeedbackDlg& d) {
        // No rim test for this one: the whole button counts.
        steps.Do([&d] { ClickAt(Inner(d), IDC_MORE_SOLUTIONS, 1, 1); });
        steps.Do([&d] { ClickCentre(Inner(d), IDC_MORE_SOLUTIONS); });
        ExpectStaysOpen(steps, d);
        steps.Do([this] {
            const std::wstring open = std::wstring(L"OpenUrl ") + kKnowledgeBaseRoot;
            EXPECT_EQ(Recorded(), (Calls{open, open}));
            m_clear();
        });
        steps.Do([&d] { ClickCentre(Inner(d), IDC_FEEDBACK_CLOSE); });
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Recorded().size(), 2u); // the close button's answer 3 and question
}

TEST_F(FeedbackDlgTest, WithoutALibraryAnswersCloseAndNothingIsReported) {
    for (int id : {IDC_SOLVED, IDC_UNSOLVED, IDC_FEEDBACK_CLOSE}) {
        SCOPED_TRACE(id);
        CProblemSolvingFeedbackDlg dialog;
        dialog.SetFeedbackDll(nullptr);
        const INT_PTR result = Run(dialog, [id](ModalScript& steps, CProblemSolvingFeedbackDlg& d) {
            steps.Do([&d] { ClickCentre(Inner(d), IDC_MORE_SOLUTIONS); });
            ExpectStaysOpen(steps, d);
            steps.Do([&d, id] { ClickCentre(Inner(d), id); });
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_TRUE(Recorded().empty());
}

TEST_F(FeedbackDlgTest, ScaleTwoDoublesTheFrameLayoutAndRim) {
    // The test screen is 96 dpi, where the dialog keeps the scale it was constructed with.
    CProblemSolvingFeedbackDlg dialog;
    dialog.SetFeedbackDll(&m_library);
    dialog.m_fScale = 2.0f;
    const long long before = _time64(nullptr);
    const INT_PTR result = Run(dialog, [this](ModalScript& steps, CProblemSolvingFeedbackDlg& d) {
        steps.Do([&d] {
            const RECT outer = WindowRectOf(d.GetSafeHwnd());
            EXPECT_EQ(outer.right - outer.left, 820);
            EXPECT_EQ(outer.bottom - outer.top, 958);
            HWND inner = Inner(d);
            EXPECT_RECT(WindowRectOf(inner), outer.left + 10, outer.top + 6, outer.right - 10,
                        outer.bottom - 14);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_FEEDBACK_CLOSE)), 764, 12, 788, 36);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_SOLVED)), 134, 308, 666, 428);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_UNSOLVED)), 134, 468, 666, 588);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_MORE_SOLUTIONS)), 134, 628, 666, 748);
            // The rim is 18 pixels wide now.
            ClickAt(inner, IDC_SOLVED, 17, 60);
        });
        ExpectStaysOpen(steps, d);
        steps.Do([this] { EXPECT_TRUE(Recorded().empty()); });
        steps.Do([&d] { ClickAt(Inner(d), IDC_SOLVED, 18, 60); });
    });
    EXPECT_EQ(result, IDCANCEL);
    ExpectReported(1, before, _time64(nullptr));
}

TEST_F(FeedbackDlgTest, RepeatedOpenAndCloseLeavesNoGdiObject) {
    const long gdiBefore = fw::GdiObjectCounter::Live();
    for (int round = 0; round < 4; ++round) {
        CProblemSolvingFeedbackDlg dialog;
        dialog.SetFeedbackDll(round % 2 == 0 ? &m_library : nullptr);
        const INT_PTR result = Run(dialog, [](ModalScript& steps, CProblemSolvingFeedbackDlg& d) {
            // Hover and press paint the faces' other states too.
            steps.Do([&d] { ClickAt(Inner(d), IDC_MORE_SOLUTIONS, 100, 30); });
            steps.Pause(100);
            steps.Do([&d] { ClickCentre(Inner(d), IDC_SOLVED); });
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiBefore);
}

} // namespace
} // namespace halvane::test
