// Message tables in real windows: listed order, chaining to the base, typed crackers, command
// entries, Default(), and owner-draw reflection to the bound control.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Button.h"
#include "framework/ScrollBar.h"
#include "framework/Wnd.h"

namespace halvane::test {
namespace {

constexpr UINT kFirst = WM_APP + 10;
constexpr UINT kSecond = WM_APP + 11;
constexpr UINT kUnmapped = WM_APP + 12;
constexpr UINT kThrows = WM_APP + 13;
constexpr UINT kButtonId = 77;

class BaseWindow : public CWnd {
public:
    std::vector<std::string> m_calls;
    DECLARE_MESSAGE_TABLE()
protected:
    LRESULT OnFirst(WPARAM, LPARAM) {
        m_calls.push_back("base-first");
        return 1;
    }
    LRESULT OnSecond(WPARAM, LPARAM) {
        m_calls.push_back("base-second");
        return 2;
    }
};

const fw::MessageTable& BaseWindow::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<kFirst, &BaseWindow::OnFirst>(),
        fw::OnMessage<kSecond, &BaseWindow::OnSecond>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

class DerivedWindow : public BaseWindow {
public:
    POINT m_move{-1, -1};
    SIZE m_size{-1, -1};
    POINT m_hitPoint{};
    UINT_PTR m_timer = 0;
    bool m_forwardSetText = true;
    int m_clicks = 0;
    DECLARE_MESSAGE_TABLE()
protected:
    LRESULT OnFirstListed(WPARAM, LPARAM) {
        m_calls.push_back("derived-first");
        return 10;
    }
    LRESULT OnFirstAgain(WPARAM, LPARAM) {
        m_calls.push_back("derived-again");
        return 11;
    }
    void OnMove(int x, int y) noexcept { m_move = {x, y}; }
    void OnSize(UINT, int cx, int cy) noexcept { m_size = {cx, cy}; }
    LRESULT OnNcHitTest(POINT point) noexcept {
        m_hitPoint = point;
        return HTCAPTION;
    }
    void OnTimer(UINT_PTR id) noexcept {
        m_timer = id;
        KillTimer(id);
    }
    LRESULT OnSetText(WPARAM, LPARAM) {
        m_calls.push_back("settext");
        return m_forwardSetText ? Default() : TRUE;
    }
    LRESULT OnThrows(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    void OnButtonClicked() { ++m_clicks; }
};

const fw::MessageTable& DerivedWindow::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<kFirst, &DerivedWindow::OnFirstListed>(),
        fw::OnMessage<kFirst, &DerivedWindow::OnFirstAgain>(),
        fw::OnMessage<WM_MOVE, &DerivedWindow::OnMove>(),
        fw::OnMessage<WM_SIZE, &DerivedWindow::OnSize>(),
        fw::OnMessage<WM_NCHITTEST, &DerivedWindow::OnNcHitTest>(),
        fw::OnMessage<WM_TIMER, &DerivedWindow::OnTimer>(),
        fw::OnMessage<WM_SETTEXT, &DerivedWindow::OnSetText>(),
        fw::OnMessage<kThrows, &DerivedWindow::OnThrows>(),
        fw::OnClicked<kButtonId, &DerivedWindow::OnButtonClicked>(),
    };
    static const fw::MessageTable table{&BaseWindow::Messages(), entries};
    return table;
}

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreatePopup(m_window, RECT{100, 100, 400, 300}, true)); }
    DerivedWindow m_window;
};

TEST_F(DispatchTest, FirstListedEntryWinsAndTheBaseTableAnswersTheRest) {
    EXPECT_EQ(m_window.SendMessage(kFirst), 10);
    EXPECT_EQ(m_window.SendMessage(kSecond), 2);
    EXPECT_EQ(m_window.SendMessage(kUnmapped, 5, 6), 0); // DefWindowProc
    EXPECT_EQ(m_window.m_calls, (std::vector<std::string>{"derived-first", "base-second"}));
}

TEST_F(DispatchTest, CrackersPassSignedPositionsSizesAndResults) {
    m_window.MoveWindow(-40, -30, 200, 120);
    RECT client{};
    m_window.GetClientRect(&client);
    POINT origin{0, 0};
    m_window.ClientToScreen(&origin);
    EXPECT_EQ(m_window.m_move.x, origin.x);
    EXPECT_EQ(m_window.m_move.y, origin.y);
    EXPECT_LT(m_window.m_move.x, 0);
    EXPECT_EQ(m_window.m_size.cx, client.right);
    EXPECT_EQ(m_window.m_size.cy, client.bottom);

    const LRESULT hit = m_window.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(-12, 34));
    EXPECT_EQ(hit, HTCAPTION);
    EXPECT_EQ(m_window.m_hitPoint.x, -12);
    EXPECT_EQ(m_window.m_hitPoint.y, 34);

    m_window.SetTimer(42, 10);
    EXPECT_TRUE(PumpUntil([&] { return m_window.m_timer != 0; }));
    EXPECT_EQ(m_window.m_timer, 42u);
}

TEST_F(DispatchTest, DefaultRunsThePreviousProcedureOnlyWhenTheHandlerAsks) {
    m_window.SetWindowText(L"first");
    EXPECT_EQ(m_window.GetWindowText(), L"first");
    m_window.m_forwardSetText = false;
    m_window.SetWindowText(L"second");
    EXPECT_EQ(m_window.GetWindowText(), L"first");
    EXPECT_EQ(m_window.m_calls, (std::vector<std::string>{"settext", "settext"}));
}

TEST_F(DispatchTest, ThrowingHandlerFallsBackToDefaultProcessing) {
    EXPECT_EQ(m_window.SendMessage(kThrows), 0);
    EXPECT_TRUE(m_window.IsWindow());
    EXPECT_EQ(m_window.SendMessage(kFirst), 10); // still dispatching
}

TEST_F(DispatchTest, CommandEntryMatchesControlIdAndNotification) {
    CButton button;
    ASSERT_TRUE(button.Create(L"go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, RECT{5, 5, 60, 30},
                              &m_window, kButtonId));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(m_window.m_clicks, 1);
    // Another notification code of the same control is not a click.
    m_window.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_DOUBLECLICKED),
                         reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
    m_window.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId + 1, BN_CLICKED), 0);
    EXPECT_EQ(m_window.m_clicks, 1);
}

class RecordingOwnerDraw : public CButton {
public:
    std::vector<UINT> m_drawnIds;
    void DrawItem(LPDRAWITEMSTRUCT dis) noexcept override { m_drawnIds.push_back(dis->CtlID); }
};

class DrawItemParent : public CWnd {
public:
    int m_parentDraws = 0;
    DECLARE_MESSAGE_TABLE()
protected:
    void OnDrawItem(int, LPDRAWITEMSTRUCT) noexcept { ++m_parentDraws; }
};

const fw::MessageTable& DrawItemParent::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_DRAWITEM, &DrawItemParent::OnDrawItem>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

TEST_F(DispatchTest, OwnerDrawIsReflectedToTheBoundButton) {
    RecordingOwnerDraw button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{5, 5, 60, 30},
                              &m_window, kButtonId));
    button.m_drawnIds.clear();
    button.Invalidate();
    button.UpdateWindow();
    ASSERT_FALSE(button.m_drawnIds.empty());
    EXPECT_EQ(button.m_drawnIds.back(), kButtonId);
}

TEST_F(DispatchTest, ParentThatMapsDrawItemKeepsIt) {
    DrawItemParent parent;
    ASSERT_TRUE(CreatePopup(parent, RECT{0, 0, 100, 100}, true));
    RecordingOwnerDraw button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{5, 5, 60, 30},
                              &parent, kButtonId));
    parent.m_parentDraws = 0;
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GT(parent.m_parentDraws, 0);
    EXPECT_TRUE(button.m_drawnIds.empty());
}

// A scroll bar that keeps its own state, as the skinned bar does, answers SetScrollInfo and
// GetScrollInfo with SB_CTL in its WindowProc, ahead of the message table.
class OwnStateBar : public CScrollBar {
public:
    int m_pos = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept override {
        auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
        if (message == SBM_SETSCROLLINFO) {
            m_pos = info->nPos;
            return 1;
        }
        if (message == SBM_GETSCROLLINFO) {
            info->nPos = m_pos + 1000;
            return 1;
        }
        return CScrollBar::WindowProc(message, wParam, lParam);
    }
};

TEST_F(DispatchTest, ControlScrollInfoReachesTheBarsWindowProc) {
    OwnStateBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_VERT, RECT{0, 0, 13, 100}, &m_window, 101));
    SCROLLINFO info{};
    info.fMask = SIF_POS;
    info.nPos = 17;
    EXPECT_TRUE(bar.SetScrollInfo(&info));
    EXPECT_EQ(bar.m_pos, 17);
    SCROLLINFO read{};
    EXPECT_TRUE(bar.GetScrollInfo(&read, SIF_POS));
    EXPECT_EQ(read.nPos, 1017);
}

TEST_F(DispatchTest, FromHandleFindsBoundObjectsOnly) {
    EXPECT_EQ(CWnd::FromHandle(m_window.GetSafeHwnd()), &m_window);
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(CWnd::FromHandle(plain), nullptr);
    ::DestroyWindow(plain);
}

} // namespace
} // namespace halvane::test
