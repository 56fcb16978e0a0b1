// The frame's lifecycle under Wine: detaching gives the control back with the framework's own
// binding intact; destroying the control or its parent takes the frame along; a missing skin.
#include <gtest/gtest.h>

#include "e2e/scroll_app/ScrollHost.h"
#include "win/support/Pump.h"
#include "win/support/Rects.h"

namespace halvane::test {
namespace {

bool Hooked(HWND control) {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC)) ==
           &CSkinScrollWnd::HostedControlProc;
}

TEST(SkinScrollWndTest, DetachGivesTheControlBackWhereTheFrameWas) {
    CScrollHost host;
    ASSERT_TRUE(host.Open(100, 100, 200));
    const HWND control = host.HostedRichEdit();
    const HWND frame = host.Frame()->GetSafeHwnd();
    ASSERT_TRUE(Hooked(control));
    const RECT framePlace = WindowRectOf(frame);

    EXPECT_TRUE(DetachSkinScrollBar(&host.RichEdit()));
    host.ForgetFrame();
    EXPECT_FALSE(::IsWindow(frame));
    EXPECT_EQ(::GetParent(control), host.GetSafeHwnd());
    EXPECT_FALSE(Hooked(control));
    EXPECT_EQ(::GetWindowLongPtrW(control, GWLP_USERDATA), 0);
    EXPECT_RECT(WindowRectOf(control), framePlace);
    // The framework's subclass under the hook still works.
    EXPECT_EQ(CWnd::FromHandle(control), &host.RichEdit());
    ::SendMessageW(control, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(host.RichEdit().m_vscrolls, 1);
    EXPECT_EQ(host.RichEdit().GetFirstVisibleLine(), 1);
    // Twice, or for a control never hooked: nothing to do, still TRUE.
    EXPECT_TRUE(DetachSkinScrollBar(&host.RichEdit()));
    EXPECT_TRUE(DetachSkinScrollBar(nullptr));
}

TEST(SkinScrollWndTest, DestroyingTheControlOrItsParentTakesTheFrameAlong) {
    {
        CScrollHost host;
        ASSERT_TRUE(host.Open(100, 100, 50));
        const HWND frame = host.Frame()->GetSafeHwnd();
        host.RichEdit().DestroyWindow();
        host.ForgetFrame(); // the hook detached it
        EXPECT_FALSE(::IsWindow(frame));
        PumpPending();
    }
    {
        CScrollHost host;
        ASSERT_TRUE(host.Open(100, 100, 50));
        const HWND frame = host.Frame()->GetSafeHwnd();
        const HWND control = host.HostedRichEdit();
        host.ForgetFrame(); // deleted with its window
        host.DestroyWindow();
        EXPECT_FALSE(::IsWindow(frame));
        EXPECT_FALSE(::IsWindow(control));
        EXPECT_FALSE(host.RichEdit().IsWindow());
        PumpPending();
    }
}

TEST(SkinScrollWndTest, NoSkinMeansNoBarWidthNothingDrawnAndScrollingStillWorks) {
    CScrollHost host;
    ASSERT_TRUE(host.Open(100, 100, 200, false));
    CSkinScrollWnd* frame = host.Frame();
    EXPECT_EQ(frame->GetBarWidth(), 0);
    CSkinScrollBar& bar = frame->VerticalBar();
    EXPECT_EQ(bar.GetCellSize(), 0);
    bar.Invalidate();
    bar.UpdateWindow();
    frame->Invalidate();
    frame->UpdateWindow();
    ::SendMessageW(frame->GetSafeHwnd(), WM_VSCROLL, SB_LINEDOWN,
                   reinterpret_cast<LPARAM>(bar.GetSafeHwnd()));
    EXPECT_EQ(host.RichEdit().GetFirstVisibleLine(), 1);
    SCROLLINFO info{};
    bar.GetScrollInfo(&info);
    EXPECT_GT(info.nPos, 0);
}

} // namespace
} // namespace halvane::test
