// The problem feedback dialog on real windows with a recording feedback library beside the test
// program: what each button reports and in which order, every other way of closing it, the rim
// of the answer buttons, the knowledge-base button, no library and GDI ownership (places and
// scale 2: test_dialogs.py). The answer buttons read the real cursor, so each click first puts
// it where the click lands.
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

using Dlg = CProblemSolvingFeedbackDlg;
using Calls = std::vector<std::wstring>;

class FeedbackDlgTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(m_library.Load()) << "the recording library beside the test program";
        m_recorded = reinterpret_cast<const wchar_t*(WINAPI*)()>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_library.GetModule(), "RecordedCalls")));
        ASSERT_NE(m_recorded, nullptr);
    }

    // The calls since the last look.
    Calls TakeCalls() {
        Calls calls;
        const std::wstring all = m_recorded();
        for (std::size_t at = m_seen, end; (end = all.find(L'\n', at)) != std::wstring::npos;
             at = end + 1)
            calls.push_back(all.substr(at, end - at));
        m_seen = all.size();
        return calls;
    }

    // Runs the dialog; `steps` are added once both windows show. A dialog that never shows, or
    // closes before its last step, fails the test.
    INT_PTR Run(Dlg& dialog, const std::function<void(ModalScript&, Dlg&)>& steps) {
        ModalScript script;
        script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) && Inner(dialog); },
                       5000, "the feedback dialog to show");
        steps(script, dialog);
        script.Start([&dialog] { dialog.EndDialog(-99); });
        const INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(script.Finished()) << "the dialog closed before its last step";
        return result;
    }

    static HWND Inner(Dlg& dialog) {
        return dialog.GetChildDlg() != nullptr ? dialog.GetChildDlg()->GetSafeHwnd() : nullptr;
    }

    // Clicks at (dx, dy) of the control, or its centre.
    static void Click(Dlg& dialog, int id, int dx = -1, int dy = -1) {
        HWND button = ::GetDlgItem(Inner(dialog), id);
        const RECT r = WindowRectOf(button);
        ::SetCursorPos(r.left + (dx < 0 ? (r.right - r.left) / 2 : dx),
                       r.top + (dy < 0 ? (r.bottom - r.top) / 2 : dy));
        ::SendMessageW(button, BM_CLICK, 0, 0);
    }

    static void ExpectStaysOpen(ModalScript& script, Dlg& dialog) {
        script.Pause(200);
        script.Do([&dialog] { EXPECT_TRUE(::IsWindowVisible(dialog.GetSafeHwnd())); });
    }

    // CustomerFeedbackEx with the answer and a decimal time between the two readings, then
    // FeedbackQuestion, and nothing else.
    void ExpectReported(int answer, long long before) {
        const long long after = _time64(nullptr);
        const Calls calls = TakeCalls();
        ASSERT_EQ(calls.size(), 2u);
        const std::wstring head =
            L"CustomerFeedbackEx 10113 1.0.21.219 " + std::to_wstring(answer) + L" ";
        ASSERT_EQ(calls[0].substr(0, head.size()), head);
        const std::wstring time = calls[0].substr(head.size());
        ASSERT_EQ(time.find_first_not_of(L"0123456789"), std::wstring::npos) << time;
        EXPECT_GE(std::stoll(time), before);
        EXPECT_LE(std::stoll(time), after);
        EXPECT_EQ(calls[1], L"FeedbackQuestion 10113 1.0.21.219");
    }

    CFeedbackDll m_library;
    const wchar_t*(WINAPI* m_recorded)() = nullptr;
    std::size_t m_seen = 0;
};

TEST_F(FeedbackDlgTest, EachAnswerReportsClosesAndLeavesNoGdiObject) {
    const long gdiBefore = fw::GdiObjectCounter::Live();
    for (auto [id, answer] :
         {std::pair{IDC_SOLVED, 1}, {IDC_UNSOLVED, 2}, {IDC_FEEDBACK_CLOSE, 3}}) {
        SCOPED_TRACE(id);
        Dlg dialog;
        dialog.SetFeedbackDll(&m_library);
        const long long before = _time64(nullptr);
        EXPECT_EQ(
            Run(dialog, [id = id](ModalScript& s, Dlg& d) { s.Do([&d, id] { Click(d, id); }); }),
            IDCANCEL);
        ExpectReported(answer, before);
    }
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiBefore);
}

TEST_F(FeedbackDlgTest, RimClicksAreIgnoredAndMoreSolutionsOpensTheRootEachTime) {
    Dlg dialog;
    dialog.SetFeedbackDll(&m_library);
    const long long before = _time64(nullptr);
    const INT_PTR result = Run(dialog, [this](ModalScript& s, Dlg& d) {
        s.Do([&d] {
            // The last rim pixel on each side of the 266 x 60 buttons.
            for (int id : {IDC_SOLVED, IDC_UNSOLVED}) {
                for (POINT p : {POINT{8, 30}, POINT{133, 8}, POINT{257, 30}, POINT{133, 51}})
                    Click(d, id, p.x, p.y);
            }
            // "更多方案" has no rim.
            Click(d, IDC_MORE_SOLUTIONS, 1, 1);
            Click(d, IDC_MORE_SOLUTIONS);
        });
        ExpectStaysOpen(s, d);
        s.Do([this] {
            const std::wstring open = std::wstring(L"OpenUrl ") + kKnowledgeBaseRoot;
            EXPECT_EQ(TakeCalls(), (Calls{open, open}));
        });
        s.Do([&d] { Click(d, IDC_UNSOLVED, 9, 9); }); // the first pixel inside counts
    });
    EXPECT_EQ(result, IDCANCEL);
    ExpectReported(2, before);
}

// Alt+F4 or the system menu's Close (SC_CLOSE to the window with the focus), WM_CLOSE or a cancel
// command from another program, on either window: each is the close button, answer 3 once.
// Enter and Esc before it change nothing.
TEST_F(FeedbackDlgTest, EveryOtherCloseOfEitherWindowReportsClosedOnce) {
    struct Case {
        const char* what;
        bool toInner;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"Alt+F4 on the inner", true, WM_SYSCOMMAND, SC_CLOSE},
        {"Alt+F4 on the outer", false, WM_SYSCOMMAND, SC_CLOSE},
        {"WM_CLOSE to the inner", true, WM_CLOSE, 0},
        {"WM_CLOSE to the outer", false, WM_CLOSE, 0},
        {"IDCANCEL to the outer", false, WM_COMMAND, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dlg dialog;
        dialog.SetFeedbackDll(&m_library);
        const long long before = _time64(nullptr);
        ModalScript script;
        script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) && Inner(dialog); },
                       5000, "the feedback dialog to show");
        script.Do([&] {
            HWND target = c.toInner ? Inner(dialog) : dialog.GetSafeHwnd();
            ::SetFocus(target);
            for (WPARAM key : {VK_RETURN, VK_ESCAPE})
                ::PostMessageW(target, WM_KEYDOWN, key, 1);
            ::PostMessageW(target, c.message, c.wParam, 0);
        });
        script.Pause(kPatienceMs); // a close ends the loop here
        script.Do([&] { dialog.EndDialog(-1); });
        script.Start([&dialog] { dialog.EndDialog(-99); });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ExpectReported(3, before);
    }
}

TEST_F(FeedbackDlgTest, WithoutALibraryAnswersCloseAndNothingIsReported) {
    for (int id : {IDC_SOLVED, IDC_UNSOLVED, IDC_FEEDBACK_CLOSE}) {
        Dlg dialog;
        const INT_PTR result = Run(dialog, [id](ModalScript& s, Dlg& d) {
            s.Do([&d] { Click(d, IDC_MORE_SOLUTIONS); });
            ExpectStaysOpen(s, d);
            s.Do([&d, id] { Click(d, id); });
        });
        EXPECT_EQ(result, IDCANCEL) << id;
    }
    EXPECT_TRUE(TakeCalls().empty());
}

} // namespace
} // namespace halvane::test
