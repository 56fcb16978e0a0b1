// The agreement pop-up as the panel drives it: created modeless, placed with MoveWindow, shown
// and hidden many times, destroyed. Its geometry at scales 1 and 2, the text and the skinned
// scroll frame around the rich edit, and what showing and hiding must leave alone.
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "controls/SkinScrollWnd.h"
#include "dialogs/AgreementText.h"
#include "dialogs/TooltipDlg.h"
#include "framework/GdiObjectCounter.h"
#include "framework/RichEditCtrl.h"
#include "res/resource.h"
#include "win/support/Pump.h"

namespace halvane::test {
namespace {

std::wstring TextOf(HWND richEdit) {
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_NUMCHARS, 1200};
    const auto chars = ::SendMessageW(richEdit, EM_GETTEXTLENGTHEX,
                                      reinterpret_cast<WPARAM>(&length), 0);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(chars) + 1);
    GETTEXTEX get{static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr,
                  nullptr};
    ::SendMessageW(richEdit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                   reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

std::wstring WindowTextOf(HWND window) {
    wchar_t text[64] = {};
    ::GetWindowTextW(window, text, 64);
    return text;
}

int ScrollPos(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(window, bar, &info);
    return info.nPos;
}

int FirstVisibleLine(HWND richEdit) {
    return static_cast<int>(::SendMessageW(richEdit, EM_GETFIRSTVISIBLELINE, 0, 0));
}

class TooltipDlgTest : public DialogTest {
protected:
    void TearDown() override {
        m_dialog.DestroyWindow();
        DialogTest::TearDown();
    }
    // Creates the pop-up as the panel does; the outer is hidden until shown.
    void Create(float scale) {
        m_dialog.m_fScale = scale;
        ASSERT_TRUE(m_dialog.Create(IDD_TOOLTIP_DIALOG, &m_main));
        m_child = m_dialog.GetTooltipChild();
        ASSERT_NE(m_child, nullptr);
        m_outer = m_dialog.GetSafeHwnd();
        m_inner = m_child->GetSafeHwnd();
        m_text = m_child->GetTextCtrl().GetSafeHwnd();
    }
    void Show(bool show) {
        m_dialog.ShowWindow(show ? SW_SHOW : SW_HIDE);
        m_dialog.ShowChildDlg(show ? TRUE : FALSE);
        PumpPending();
    }
    // The skin scroll frame that took the rich edit's place in the inner.
    HWND Frame() const { return ::GetParent(::GetParent(m_text)); }
    void ExpectInnerAround(const RECT& outer) {
        EXPECT_RECT(WindowRectOf(m_inner), outer.left + 1, outer.top + 1, outer.right - 2,
                    outer.bottom - 18);
    }

    fw::ModuleHandle m_richEditLibrary = CRichEditCtrl::LoadRichEditLibrary();
    CTooltipDlg m_dialog;
    CTooltipChildDlg* m_child = nullptr;
    HWND m_outer = nullptr;
    HWND m_inner = nullptr;
    HWND m_text = nullptr;
};

struct ScaleCase {
    float scale;
    SIZE outer;
    SIZE inner;
    RECT text; // in the inner's client area
};

TEST_F(TooltipDlgTest, PairAndTextAtScalesOneAndTwo) {
    const ScaleCase cases[] = {{1.0f, {396, 482}, {394, 464}, {8, 8, 386, 456}},
                               {2.0f, {792, 964}, {788, 928}, {16, 16, 772, 912}}};
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale);
        CTooltipDlg dialog;
        dialog.m_fScale = c.scale;
        ASSERT_TRUE(dialog.Create(IDD_TOOLTIP_DIALOG, &m_main));
        CTooltipChildDlg* child = dialog.GetTooltipChild();
        ASSERT_NE(child, nullptr);
        const RECT outer = WindowRectOf(dialog.GetSafeHwnd());
        EXPECT_EQ(outer.right - outer.left, c.outer.cx);
        EXPECT_EQ(outer.bottom - outer.top, c.outer.cy);
        EXPECT_NE(::GetWindowLongW(dialog.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        EXPECT_RECT(WindowRectOf(child->GetSafeHwnd()), outer.left + static_cast<int>(c.scale),
                    outer.top + static_cast<int>(c.scale),
                    outer.left + static_cast<int>(c.scale) + c.inner.cx,
                    outer.top + static_cast<int>(c.scale) + c.inner.cy);
        EXPECT_EQ(::GetWindow(child->GetSafeHwnd(), GW_OWNER), dialog.GetSafeHwnd());

        // The frame took the rich edit's laid-out rectangle; the rich edit sits in its "LIMIT".
        HWND text = child->GetTextCtrl().GetSafeHwnd();
        HWND limit = ::GetParent(text);
        HWND frame = ::GetParent(limit);
        EXPECT_EQ(WindowTextOf(limit), L"LIMIT");
        EXPECT_EQ(WindowTextOf(frame), L"SkinScrollBarFrame");
        EXPECT_EQ(::GetParent(frame), child->GetSafeHwnd());
        EXPECT_EQ(::GetDlgCtrlID(frame), IDC_AGREEMENT_TEXT);
        EXPECT_PRED2(SameRect, ChildRectOf(frame), c.text);
        EXPECT_EQ(TextOf(text), BuildAgreementText());
        EXPECT_NE(child->GetScrollBitmap(), nullptr);
        dialog.DestroyWindow();
        EXPECT_EQ(dialog.GetChildDlg(), nullptr);
    }
}

TEST_F(TooltipDlgTest, PlacedShownAndHiddenLikeThePanelDoes) {
    const long gdiBefore = fw::GdiObjectCounter::Live();
    Create(1.0f);
    // The panel's placement over a 400 x 600 panel at (100, 100).
    m_dialog.MoveWindow(102, 208, 398, 472, TRUE);
    EXPECT_RECT(WindowRectOf(m_inner), 103, 209, 103 + 395, 209 + 453);
    // Laid out once: the text keeps its size and reaches 3 pixels past the inner's bottom.
    EXPECT_RECT(ChildRectOf(Frame()), 8, 8, 386, 456);

    Show(true);
    EXPECT_TRUE(::IsWindowVisible(m_outer));
    EXPECT_TRUE(::IsWindowVisible(m_inner));
    HWND bar = ::GetDlgItem(Frame(), static_cast<int>(CSkinScrollWnd::kVertBarId));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(::IsWindowVisible(bar));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Frame(), static_cast<int>(CSkinScrollWnd::kHorzBarId))));

    // Scrolled part-way: the bar learns it from the frame's poll.
    ::SendMessageW(m_text, EM_LINESCROLL, 0, 12);
    const int firstLine = FirstVisibleLine(m_text);
    EXPECT_GT(firstLine, 0);
    const int textPos = ScrollPos(m_text, SB_VERT);
    EXPECT_GT(textPos, 0);
    EXPECT_TRUE(PumpUntil([&] { return ScrollPos(bar, SB_CTL) == textPos; }, 3000));

    const HBITMAP scrollBitmap = m_child->GetScrollBitmap();
    const std::wstring text = TextOf(m_text);
    const long gdiShown = fw::GdiObjectCounter::Live();
    for (int i = 0; i < 20; ++i) {
        Show(false);
        ASSERT_FALSE(::IsWindowVisible(m_outer));
        ASSERT_FALSE(::IsWindowVisible(m_inner));
        Show(true);
        ASSERT_TRUE(::IsWindowVisible(m_outer));
        ASSERT_TRUE(::IsWindowVisible(m_inner));
    }
    // Nothing was loaded or filled in again: same bitmap, same text, still scrolled.
    EXPECT_EQ(m_child->GetScrollBitmap(), scrollBitmap);
    EXPECT_EQ(TextOf(m_text), text);
    EXPECT_EQ(FirstVisibleLine(m_text), firstLine);
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiShown);

    // Every later move of the outer brings the inner along at 1, 1, 2, 18.
    for (const POINT to : {POINT{40, 30}, POINT{-50, 300}, POINT{260, 90}}) {
        ::SetWindowPos(m_outer, nullptr, to.x, to.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ExpectInnerAround(WindowRectOf(m_outer));
    }

    m_dialog.DestroyWindow();
    EXPECT_EQ(m_dialog.GetChildDlg(), nullptr);
    EXPECT_EQ(::GetObjectType(scrollBitmap), 0u);
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiBefore);
}

TEST_F(TooltipDlgTest, EnterAndEscapeAreSwallowedByBothWindows) {
    Create(1.0f);
    Show(true);
    for (HWND window : {m_outer, m_inner, m_text}) {
        for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
            MSG msg{window, WM_KEYDOWN, key, 0, 0, {}};
            EXPECT_TRUE(m_dialog.PreTranslateMessage(&msg));
            EXPECT_TRUE(m_child->PreTranslateMessage(&msg));
        }
    }
    // The window manager's close of the inner leaves the pop-up as it is.
    ::SendMessageW(m_inner, WM_COMMAND, IDCANCEL, 0);
    PumpPending();
    EXPECT_TRUE(::IsWindowVisible(m_inner));
    EXPECT_TRUE(::IsWindowVisible(m_outer));
}

} // namespace
} // namespace halvane::test
