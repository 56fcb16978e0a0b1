// The layered pair frame on the real templates and skins: sizes and places at scale 1 and 1.5,
// centring over the owner, the drag protocol (driven by the messages the system's move loop
// sends), Enter/Esc, the closes of either window (modal and modeless), missing images and GDI
// ownership.
#include <gtest/gtest.h>

#include <memory>

#include "DialogTestSupport.h"
#include "dialogs/SkinFrameDlg.h"
#include "framework/GdiObjectCounter.h"
#include "framework/RichEditCtrl.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

// What the inner saw, kept by the test: the inner object dies with the outer's window.
struct ChildLog {
    int created = 0;
    int firstLayouts = 0;
    int laterLayouts = 0;
    int releases = 0;
    std::vector<RECT> layoutRects; // the inner's window rectangle at each layout
};

class TestChildDlg : public CSkinFrameChildDlg {
public:
    TestChildDlg(const SkinPairParams& params, ChildLog& log) noexcept
        : CSkinFrameChildDlg(params), m_log(log) {}
    bool InCaption() const noexcept { return m_bInCaption; }

protected:
    void LayoutControls(bool bFirst) noexcept override {
        ++(bFirst ? m_log.firstLayouts : m_log.laterLayouts);
        m_log.layoutRects.push_back(WindowRectOf(GetSafeHwnd()));
    }
    void ReleaseControls() noexcept override { ++m_log.releases; }

private:
    ChildLog& m_log;
};

class TestFrameDlg : public CSkinFrameDlg {
public:
    TestFrameDlg(const SkinPairParams& params, ChildLog& log) noexcept
        : CSkinFrameDlg(params, nullptr), m_log(log) {}
    TestChildDlg* Child() const noexcept { return static_cast<TestChildDlg*>(GetChildDlg()); }
    HWND ChildHwnd() const noexcept { return Child() ? Child()->GetSafeHwnd() : nullptr; }
    bool MovesChild() const noexcept { return m_bMoveChild; }

protected:
    std::unique_ptr<CSkinFrameChildDlg> CreateChildDlg() noexcept override {
        ++m_log.created;
        return std::unique_ptr<CSkinFrameChildDlg>(new (std::nothrow) TestChildDlg(Params(), m_log));
    }

private:
    ChildLog& m_log;
};

LRESULT HitTest(HWND window, int x, int y) {
    return ::SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
}

void MoveBy(HWND window, int dx, int dy) {
    const RECT r = WindowRectOf(window);
    ::SetWindowPos(window, nullptr, r.left + dx, r.top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Whether `upper` lies above `lower` in the z-order.
bool Above(HWND upper, HWND lower) {
    for (HWND w = ::GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT))
        if (w == lower)
            return true;
    return false;
}

RECT Grow(const RECT& r, int left, int top, int right, int bottom) {
    return {r.left - left, r.top - top, r.right + right, r.bottom + bottom};
}

class SkinFrameTest : public DialogTest {
protected:
    INT_PTR Run(TestFrameDlg& dialog, ModalScript& script) {
        script.Start([&dialog] { dialog.EndDialog(-99); });
        const INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(script.Finished());
        return result;
    }
    ChildLog m_log;
};

TEST_F(SkinFrameTest, PromptPairAtScaleOneLiesCentredOverItsOwner) {
    const long gdiBefore = fw::GdiObjectCounter::Live();
    TestFrameDlg dialog(kPromptPair, m_log);
    ModalScript script;
    script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; }, kPatienceMs,
                   "the outer to show");
    // The window system settles the stacking of both windows.
    script.WaitFor(
        [&] {
            HWND inner = dialog.ChildHwnd();
            return inner != nullptr && ::IsWindowVisible(inner) && Above(inner, dialog.GetSafeHwnd());
        },
        kPatienceMs, "the inner to show above the outer");
    script.Do([&] {
        HWND outer = dialog.GetSafeHwnd();
        HWND inner = dialog.ChildHwnd();
        ASSERT_NE(inner, nullptr);
        // The owner's window centre is (600, 450).
        EXPECT_RECT(WindowRectOf(outer), 432, 372, 432 + 336, 372 + 156);
        EXPECT_RECT(WindowRectOf(inner), 437, 375, 437 + 326, 375 + 146);
        EXPECT_RECT(ClientRectOf(inner), 0, 0, 326, 146);
        EXPECT_NE(::GetWindowLongW(outer, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        EXPECT_EQ(::GetWindowLongW(inner, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        // A top-level pop-up owned by the outer, not a child window.
        EXPECT_EQ(::GetWindow(inner, GW_OWNER), outer);
        EXPECT_EQ(::GetWindowLongW(inner, GWL_STYLE) & WS_CHILD, 0);
        EXPECT_TRUE(::IsWindowVisible(inner));
        EXPECT_TRUE(Above(inner, outer));
        EXPECT_EQ(::GetWindow(outer, GW_OWNER), m_main.GetSafeHwnd());
        EXPECT_FALSE(::IsWindowEnabled(m_main.GetSafeHwnd()));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(Run(dialog, script), IDOK);
    EXPECT_EQ(m_log.created, 1);
    EXPECT_EQ(m_log.firstLayouts, 1);
    EXPECT_GE(m_log.laterLayouts, 1);
    EXPECT_EQ(m_log.releases, 1);
    EXPECT_EQ(dialog.GetChildDlg(), nullptr);
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiBefore);
}

TEST_F(SkinFrameTest, PromptPairAtOneAndAHalf) {
    TestFrameDlg dialog(kPromptPair, m_log);
    dialog.m_fScale = 1.5f;
    ModalScript script;
    script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; }, kPatienceMs,
                   "the outer to show");
    script.Do([&] {
        HWND inner = dialog.ChildHwnd();
        ASSERT_NE(inner, nullptr);
        // 504 x 234 centred on (600, 450); the move puts the inner 7, 4, 7 and 10 inside.
        const RECT outer = WindowRectOf(dialog.GetSafeHwnd());
        EXPECT_RECT(outer, 348, 333, 348 + 504, 333 + 234);
        EXPECT_RECT(WindowRectOf(inner), 355, 337, 845, 557);
        // Strip: 45 high, ending 39 before the inner's right edge.
        EXPECT_EQ(HitTest(inner, 356, 337 + 44), HTCAPTION);
        EXPECT_NE(HitTest(inner, 356, 337 + 45), HTCAPTION);
        EXPECT_EQ(HitTest(inner, 845 - 40, 340), HTCAPTION);
        EXPECT_NE(HitTest(inner, 845 - 39, 340), HTCAPTION);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(Run(dialog, script), IDOK);
    // Before the centring the outer lay at the template position (the owner's client origin),
    // where the inner was also created; the outer then put the inner 7.5 -> 7 and 4.5 -> 4
    // inside it, 489 x 219 (the centring move then makes it 490 x 220).
    ASSERT_GE(m_log.layoutRects.size(), 2u);
    const RECT created = m_log.layoutRects[0];
    EXPECT_RECT(m_log.layoutRects[1], created.left + 7, created.top + 4, created.left + 7 + 489,
                created.top + 4 + 219);
}

TEST_F(SkinFrameTest, InnerFollowsTheOuterUntilTheFirstCaptionDragThenTheOuterFollows) {
    TestFrameDlg dialog(kPromptPair, m_log);
    ModalScript script;
    script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; }, kPatienceMs,
                   "the outer to show");
    script.Do([&] {
        HWND outer = dialog.GetSafeHwnd();
        HWND inner = dialog.ChildHwnd();
        ASSERT_NE(inner, nullptr);
        MoveBy(outer, -100, 40);
        EXPECT_RECT(WindowRectOf(inner), 337, 415, 337 + 326, 415 + 146);

        // A press in the right margin (the close button's place) is no drag.
        EXPECT_EQ(HitTest(inner, 663 - 20, 415 + 10), HTCLIENT);
        EXPECT_FALSE(dialog.Child()->InCaption());
        MoveBy(inner, 3, 3);
        EXPECT_RECT(WindowRectOf(outer), 332, 412, 332 + 336, 412 + 156);
        EXPECT_TRUE(dialog.MovesChild());
        MoveBy(outer, 1, 0); // the outer's next move puts the inner back in place
        EXPECT_RECT(WindowRectOf(inner), 338, 415, 338 + 326, 415 + 146);

        // A caption drag: the system moves the inner, the outer goes around it.
        EXPECT_EQ(HitTest(inner, 338 + 40, 415 + 10), HTCAPTION);
        EXPECT_TRUE(dialog.Child()->InCaption());
        MoveBy(inner, 150, -60);
        const RECT dragged = WindowRectOf(inner);
        EXPECT_RECT(dragged, 488, 355, 488 + 326, 355 + 146);
        EXPECT_RECT(WindowRectOf(outer), Grow(dragged, 5, 3, 5, 7));
        EXPECT_FALSE(dialog.MovesChild());

        // From now on, moving the outer by other means leaves the inner.
        EXPECT_EQ(HitTest(inner, 488 + 40, 355 + 100), HTCLIENT);
        MoveBy(outer, 25, 25);
        EXPECT_RECT(WindowRectOf(inner), dragged);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(Run(dialog, script), IDOK);
}

TEST_F(SkinFrameTest, ProgressPairHasNoCaptionStrip) {
    TestFrameDlg dialog(kExecutePromptPair, m_log);
    ModalScript script;
    script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; }, kPatienceMs,
                   "the outer to show");
    script.Do([&] {
        HWND outer = dialog.GetSafeHwnd();
        HWND inner = dialog.ChildHwnd();
        ASSERT_NE(inner, nullptr);
        EXPECT_RECT(WindowRectOf(outer), 484, 384, 484 + 232, 384 + 132);
        EXPECT_RECT(WindowRectOf(inner), 498, 396, 498 + 204, 396 + 104);
        for (int y = 396; y < 500; y += 5)
            EXPECT_NE(HitTest(inner, 520, y), HTCAPTION) << y;
        MoveBy(inner, 30, 30);
        EXPECT_RECT(WindowRectOf(outer), 484, 384, 484 + 232, 384 + 132);
        MoveBy(outer, 10, 10); // the outer still brings the inner along
        EXPECT_RECT(WindowRectOf(inner), 508, 406, 508 + 204, 406 + 104);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(Run(dialog, script), IDOK);
}

TEST_F(SkinFrameTest, EnterAndEscapeInEitherWindowEndNothing) {
    TestFrameDlg dialog(kPromptPair, m_log);
    ModalScript script;
    script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; }, kPatienceMs,
                   "the outer to show");
    script.Do([&] {
        for (HWND target : {dialog.ChildHwnd(), dialog.GetSafeHwnd()}) {
            ::SetFocus(target);
            ::PostMessageW(target, WM_KEYDOWN, VK_RETURN, 1);
            ::PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1);
        }
    });
    script.Pause(200);
    script.Do([&] {
        EXPECT_TRUE(::IsWindowVisible(dialog.GetSafeHwnd()));
        EXPECT_TRUE(::IsWindowVisible(dialog.ChildHwnd()));
        dialog.EndDialog(7);
    });
    EXPECT_EQ(Run(dialog, script), 7);
}

// The ways a pair's window is closed from outside its buttons: Alt+F4 and the system menu's
// Close come as SC_CLOSE to the window with the focus, other programs send WM_CLOSE; IDOK is
// the command Enter would give. `closes`: whether it is a close of the pair.
struct CloseCase {
    const char* what;
    bool toInner;
    UINT message;
    WPARAM wParam;
    bool closes;
};
constexpr CloseCase kCloseCases[] = {
    {"Alt+F4 on the inner", true, WM_SYSCOMMAND, SC_CLOSE, true},
    {"Alt+F4 on the outer", false, WM_SYSCOMMAND, SC_CLOSE, true},
    {"WM_CLOSE to the inner", true, WM_CLOSE, 0, true},
    {"WM_CLOSE to the outer", false, WM_CLOSE, 0, true},
    {"IDOK to the inner", true, WM_COMMAND, IDOK, false},
};

void PostClose(const TestFrameDlg& dialog, const CloseCase& c) {
    ::PostMessageW(c.toInner ? dialog.ChildHwnd() : dialog.GetSafeHwnd(), c.message, c.wParam, 0);
}

TEST_F(SkinFrameTest, EachCloseOfEitherPromptWindowEndsThePairWithCancel) {
    for (const CloseCase& c : kCloseCases) {
        SCOPED_TRACE(c.what);
        TestFrameDlg dialog(kPromptPair, m_log);
        ModalScript script;
        script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; },
                       kPatienceMs, "the outer to show");
        script.Do([&] { PostClose(dialog, c); });
        // A close ends the loop here; otherwise both windows are still up after a while.
        script.Pause(c.closes ? kPatienceMs : 300);
        script.Do([&] {
            EXPECT_TRUE(::IsWindowVisible(dialog.GetSafeHwnd()));
            EXPECT_TRUE(::IsWindowVisible(dialog.ChildHwnd()));
            dialog.EndDialog(-1);
        });
        script.Start([&dialog] { dialog.EndDialog(-99); });
        EXPECT_EQ(dialog.DoModal(), c.closes ? IDCANCEL : -1);
    }
}

// The agreement pair is modeless: a close hides it, the outer and the inner together, and a
// later show brings both back.
TEST_F(SkinFrameTest, EachCloseOfEitherModelessWindowHidesThePairAsOne) {
    const fw::ModuleHandle richEditLibrary = CRichEditCtrl::LoadRichEditLibrary(); // template 135
    TestFrameDlg dialog(kTooltipPair, m_log);
    ASSERT_TRUE(dialog.Create(IDD_TOOLTIP_DIALOG, &m_main));
    HWND outer = dialog.GetSafeHwnd();
    HWND inner = dialog.ChildHwnd();
    ASSERT_NE(inner, nullptr);
    auto shows = [&](bool on) {
        return (::IsWindowVisible(outer) != FALSE) == on &&
               (::IsWindowVisible(inner) != FALSE) == on;
    };
    for (const CloseCase& c : kCloseCases) {
        SCOPED_TRACE(c.what);
        dialog.ShowWindow(SW_SHOW);
        ASSERT_TRUE(PumpUntil([&] { return shows(true); }));
        PostClose(dialog, c);
        if (c.closes) {
            EXPECT_TRUE(PumpUntil([&] { return shows(false); }));
        } else {
            PumpUntil([] { return false; }, 300);
            EXPECT_TRUE(shows(true));
        }
        EXPECT_TRUE(::IsWindow(outer) && ::IsWindow(inner)); // hidden, not destroyed
    }
    dialog.DestroyWindow();
}

TEST_F(SkinFrameTest, MissingSkinEndsThePairAtOnceWithoutAnInner) {
    SkinPairParams params = kPromptPair;
    params.skinPng = 9999;
    TestFrameDlg dialog(params, m_log);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(m_log.created, 0);
}

TEST_F(SkinFrameTest, MissingBackgroundLeavesTheControlsUnplaced) {
    SkinPairParams params = kPromptPair;
    params.backgroundPng = 9999;
    TestFrameDlg dialog(params, m_log);
    ModalScript script;
    script.WaitFor([&] { return ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE; }, kPatienceMs,
                   "the outer to show");
    script.Do([&] {
        EXPECT_TRUE(::IsWindowVisible(dialog.ChildHwnd()));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(Run(dialog, script), IDOK);
    EXPECT_EQ(m_log.created, 1);
    EXPECT_EQ(m_log.firstLayouts + m_log.laterLayouts, 0);
}

} // namespace
} // namespace halvane::test
