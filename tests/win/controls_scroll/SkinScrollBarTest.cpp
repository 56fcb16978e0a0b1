// The skinned bar on a long read-only rich edit under Wine: real injected mouse input on the bar,
// the codes it sends its frame, and the control it scrolls.
#include <gtest/gtest.h>

#include "ScrollInput.h"
#include "e2e/scroll_app/ScrollHost.h"
#include "framework/ClientDC.h"
#include "framework/GdiObjectCounter.h"
#include "win/support/Pump.h"

namespace halvane::test {
namespace {

SCROLLINFO ControlInfo(HWND control) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(control, SB_VERT, &info);
    return info;
}

SCROLLINFO BarInfo(const CSkinScrollBar& bar) {
    SCROLLINFO info{};
    bar.GetScrollInfo(&info, SIF_ALL);
    return info;
}

bool InStep(HWND control, const CSkinScrollBar& bar) {
    const SCROLLINFO c = ControlInfo(control);
    const SCROLLINFO b = BarInfo(bar);
    return c.nPos == b.nPos && c.nMax == b.nMax && c.nPage == b.nPage && c.nMin == b.nMin;
}

class SkinScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.Open(100, 100, 200));
        m_control = m_host.HostedRichEdit();
        m_bar = &m_host.Frame()->VerticalBar();
        ASSERT_TRUE(PumpUntil([&] { return BarInfo(*m_bar).nMax > 0; }));
        m_recorder = std::make_unique<ScrollRecorder>(m_host.Frame()->GetSafeHwnd());
    }

    int FirstLine() const {
        return static_cast<int>(::SendMessageW(m_control, EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    int Length() const {
        RECT r{};
        m_bar->GetClientRect(&r);
        return r.bottom;
    }
    // A point on the bar's visible strip, `axis` pixels down.
    POINT At(int axis) const {
        POINT p{4, axis};
        m_bar->ClientToScreen(&p);
        return p;
    }
    POINT Centre(int part) const {
        const RECT r = m_bar->GetPartRect(part);
        return At((r.top + r.bottom) / 2);
    }

    CScrollHost m_host;
    HWND m_control = nullptr;
    CSkinScrollBar* m_bar = nullptr;
    Mouse m_mouse;
    std::unique_ptr<ScrollRecorder> m_recorder;
};

TEST_F(SkinScrollBarTest, FrameTakesTheControlsPlaceAndItsBarsStrip) {
    CSkinScrollWnd* frame = m_host.Frame();
    EXPECT_EQ(frame->GetWindowText(), L"SkinScrollBarFrame");
    EXPECT_EQ(frame->GetDlgCtrlID(), static_cast<int>(CScrollHost::kRichEditId));
    const HWND limit = frame->GetDlgItem(200);
    EXPECT_EQ(::GetParent(m_control), limit);
    EXPECT_EQ(frame->GetDlgItem(101), m_bar->GetSafeHwnd());
    EXPECT_TRUE(m_bar->IsWindowVisible());
    EXPECT_FALSE(frame->HorizontalBar().IsWindowVisible());
    EXPECT_EQ(frame->GetBarWidth(), 13);
    EXPECT_EQ(m_bar->GetCellSize(), 13);
    // The skinned bar starts where the control's client area ends.
    RECT bar{}, client{};
    m_bar->GetWindowRect(&bar);
    ::GetClientRect(m_control, &client);
    ::MapWindowPoints(m_control, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(bar.left, client.right);
    EXPECT_EQ(bar.right - bar.left, 13);
    EXPECT_TRUE(InStep(m_control, *m_bar));
    EXPECT_EQ(CWnd::FromHandle(m_control), &m_host.RichEdit());
}

TEST_F(SkinScrollBarTest, ClickOnDownArrowScrollsOneLineAndTheThumbFollows) {
    const RECT before = m_bar->GetPartRect(kScrollThumb);
    ASSERT_TRUE(m_mouse.Click(At(Length() - 3)));
    EXPECT_EQ(m_recorder->Count(kScrollLineDown), 1);
    EXPECT_EQ(m_recorder->Events().size(), 1u);
    EXPECT_EQ(FirstLine(), 1);
    EXPECT_TRUE(InStep(m_control, *m_bar));
    EXPECT_GT(m_bar->GetPartRect(kScrollThumb).top, before.top);
    // The framework's object behind the hook saw the forwarded scroll.
    EXPECT_EQ(m_host.RichEdit().m_vscrolls, 1);
    ASSERT_TRUE(m_mouse.Click(At(3)));
    EXPECT_EQ(FirstLine(), 0);
}

TEST_F(SkinScrollBarTest, HoldingAnArrowRepeatsAfterHalfASecondThenEveryTenth) {
    ASSERT_TRUE(m_mouse.MoveTo(At(Length() - 3)));
    const ULONGLONG pressed = ::GetTickCount64();
    ASSERT_TRUE(m_mouse.Press());
    EXPECT_EQ(m_recorder->Count(kScrollLineDown), 1); // at once
    PumpFor(1400);
    ASSERT_TRUE(m_mouse.Release());
    const ULONGLONG held_ms = ::GetTickCount64() - pressed;
    const auto events = m_recorder->Events();
    const size_t held = events.size();
    ASSERT_GE(held, 4u);
    // Never ahead of the timers: the second after 500 ms, then at most one per 100 ms.
    EXPECT_GE(events[1].tick - events[0].tick, 450u);
    EXPECT_LE(held, 3u + static_cast<size_t>((held_ms - 500) / 100));
    for (const ScrollEvent& e : events)
        EXPECT_EQ(e.code, kScrollLineDown);
    PumpFor(400);
    EXPECT_EQ(m_recorder->Events().size(), held); // release stops it
    EXPECT_EQ(FirstLine(), static_cast<int>(held));
}

TEST_F(SkinScrollBarTest, HoldingTheTrackPagesUntilTheThumbIsUnderThePointer) {
    const int axis = Length() - 13 - 40;
    ASSERT_TRUE(m_mouse.MoveTo(At(axis)));
    ASSERT_TRUE(m_mouse.Press());
    const auto under = [&] {
        const RECT t = m_bar->GetPartRect(kScrollThumb);
        return t.top <= axis && axis < t.bottom;
    };
    EXPECT_TRUE(PumpUntil(under, 10000));
    PumpFor(200);
    const size_t paged = m_recorder->Events().size();
    PumpFor(500);
    EXPECT_EQ(m_recorder->Events().size(), paged); // stopped under the pointer
    ASSERT_TRUE(m_mouse.Release());
    EXPECT_GE(m_recorder->Count(kScrollPageDown), 3);
    EXPECT_EQ(m_recorder->Count(kScrollPageDown), static_cast<int>(paged));
    EXPECT_TRUE(InStep(m_control, *m_bar));
    EXPECT_GT(FirstLine(), 0);
}

TEST_F(SkinScrollBarTest, DraggingTheThumbTracksEachChangeAndEndsWithOnePosition) {
    ScrollBarMetrics m;
    const SCROLLINFO start = BarInfo(*m_bar);
    m.length = Length();
    m.cell = 13;
    m.maxPos = start.nMax;
    m.page = start.nPage;
    const int expected = DragPosition(m, start.nPos, 10);
    POINT p = Centre(kScrollThumb);
    ASSERT_TRUE(m_mouse.MoveTo(p));
    ASSERT_TRUE(m_mouse.Press());
    for (int step = 0; step < 5; ++step) {
        p.y += 2;
        ASSERT_TRUE(m_mouse.MoveTo(p));
    }
    EXPECT_EQ(BarInfo(*m_bar).nTrackPos, expected);
    ASSERT_TRUE(m_mouse.Release());
    const auto& events = m_recorder->Events();
    ASSERT_GE(events.size(), 2u);
    for (size_t i = 0; i + 1 < events.size(); ++i) {
        EXPECT_EQ(events[i].code, SB_THUMBTRACK);
        if (i > 0) {
            EXPECT_GT(events[i].pos, events[i - 1].pos); // one per change
        }
    }
    EXPECT_EQ(events[events.size() - 2].pos, expected);
    EXPECT_EQ(events.back().code, SB_THUMBPOSITION);
    EXPECT_EQ(events.back().pos, expected);
    EXPECT_EQ(ControlInfo(m_control).nPos, expected);
    EXPECT_TRUE(InStep(m_control, *m_bar));
    EXPECT_EQ(BarInfo(*m_bar).nTrackPos, -1);

    // Pressed and released in place: only the position, unchanged.
    m_recorder->Clear();
    ASSERT_TRUE(m_mouse.Click(Centre(kScrollThumb)));
    ASSERT_EQ(m_recorder->Events().size(), 1u);
    EXPECT_EQ(m_recorder->Events()[0].code, SB_THUMBPOSITION);
    EXPECT_EQ(m_recorder->Events()[0].pos, expected);
}

TEST_F(SkinScrollBarTest, DoubleClickIsNotASecondPress) {
    ASSERT_TRUE(m_mouse.Click(At(Length() - 3)));
    ASSERT_TRUE(m_mouse.Click(At(Length() - 3)));
    EXPECT_EQ(m_recorder->Count(kScrollLineDown), 1);
    EXPECT_EQ(FirstLine(), 1);
    EXPECT_EQ(m_bar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, Length() - 3)), 1);
    EXPECT_EQ(m_recorder->Events().size(), 1u);
}

TEST_F(SkinScrollBarTest, ScrollingElsewhereReachesTheBarByThePoll) {
    // The wheel scrolls the control without the bar.
    POINT centre{100, 100};
    ::ClientToScreen(m_control, &centre);
    ::SendMessageW(m_control, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                   MAKELPARAM(centre.x, centre.y));
    ASSERT_GT(ControlInfo(m_control).nPos, 0);
    EXPECT_TRUE(PumpUntil([&] { return InStep(m_control, *m_bar); }, 3000));
    EXPECT_GT(m_bar->GetPartRect(kScrollThumb).top, 13);

    // New text with its repaint thrown away: nothing but the poll can tell the bar.
    const int oldMax = BarInfo(*m_bar).nMax;
    m_host.RichEdit().SetWindowText(NumberedLines(400).c_str());
    ::ValidateRect(m_control, nullptr);
    ASSERT_GT(ControlInfo(m_control).nMax, oldMax);
    EXPECT_TRUE(PumpUntil([&] { return InStep(m_control, *m_bar); }, 3000));
    EXPECT_TRUE(m_recorder->Events().empty());
}

TEST_F(SkinScrollBarTest, BarIsDisabledWhileTheTextFitsAndEnabledAgainLater) {
    // Wine's rich edit keeps its old range when ES_DISABLENOSCROLL disables its bar, so the
    // control's bar is given the states directly; the frame reads them at the next erase.
    const auto report = [&](int maxPos) {
        SCROLLINFO info{sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL, 0, maxPos, 446, 0, 0};
        ::SetScrollInfo(m_control, SB_VERT, &info, FALSE);
        const CClientDC dc(m_control);
        ::SendMessageW(m_control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        return BarInfo(*m_bar).nMax == maxPos;
    };
    const struct {
        int maxPos;
        bool enabled;
    } steps[] = {{445, false}, {446, true}, {100, false}, {2000, true}};
    for (const auto& step : steps) {
        ASSERT_TRUE(report(step.maxPos)) << step.maxPos;
        EXPECT_EQ(m_bar->IsWindowEnabled() != FALSE, step.enabled) << step.maxPos;
    }
}

TEST_F(SkinScrollBarTest, RepeatedScrollingLeavesNoGdiObjectBehind) {
    const long before = fw::GdiObjectCounter::Live();
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(m_mouse.Click(At(Length() - 3)));
        ASSERT_TRUE(m_mouse.MoveTo(At(3))); // hover look on the other arrow
    }
    POINT p = Centre(kScrollThumb);
    ASSERT_TRUE(m_mouse.MoveTo(p));
    ASSERT_TRUE(m_mouse.Press());
    p.y += 30;
    ASSERT_TRUE(m_mouse.MoveTo(p));
    ASSERT_TRUE(m_mouse.Release());
    m_bar->Invalidate();
    m_bar->UpdateWindow();
    EXPECT_EQ(fw::GdiObjectCounter::Live(), before);
    EXPECT_GT(FirstLine(), 10);
}

} // namespace
} // namespace halvane::test
