// The agreement pop-up as the panel drives it: created modeless, placed with MoveWindow, shown
// and hidden many times, destroyed. (Scale 2 and the screenshots: tests/e2e/test_dialogs.py.)
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "controls/SkinScrollWnd.h"
#include "dialogs/AgreementText.h"
#include "dialogs/TooltipDlg.h"
#include "framework/GdiObjectCounter.h"
#include "res/resource.h"
#include "win/support/Pump.h"

namespace halvane::test {
namespace {

std::wstring TextOf(HWND richEdit) {
    std::vector<wchar_t> buffer(16384);
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

using TooltipDlgTest = DialogTest;

TEST_F(TooltipDlgTest, PlacedShownAndHiddenLikeThePanelDoes) {
    const fw::ModuleHandle richEditLibrary = CRichEditCtrl::LoadRichEditLibrary();
    const long gdiBefore = fw::GdiObjectCounter::Live();
    CTooltipDlg dialog;
    ASSERT_TRUE(dialog.Create(IDD_TOOLTIP_DIALOG, &m_main));
    CTooltipChildDlg* child = dialog.GetTooltipChild();
    ASSERT_NE(child, nullptr);
    HWND outer = dialog.GetSafeHwnd();
    HWND inner = child->GetSafeHwnd();
    HWND text = child->GetTextCtrl().GetSafeHwnd();
    const RECT created = WindowRectOf(outer);
    EXPECT_RECT(created, created.left, created.top, created.left + 396, created.top + 482);
    EXPECT_RECT(WindowRectOf(inner), created.left + 1, created.top + 1, created.left + 395,
                created.top + 465);
    // The text sits in the "LIMIT" window of a frame that took its 378 x 448 at 8, 8.
    HWND limit = ::GetParent(text);
    HWND frame = ::GetParent(limit);
    EXPECT_EQ(WindowTextOf(limit), L"LIMIT");
    EXPECT_EQ(WindowTextOf(frame), L"SkinScrollBarFrame");
    EXPECT_EQ(::GetParent(frame), inner);
    EXPECT_RECT(ChildRectOf(frame), 8, 8, 386, 456);
    EXPECT_EQ(TextOf(text), BuildAgreementText());

    // The panel's placement over a 400 x 600 panel at (100, 100); the text keeps its size.
    dialog.MoveWindow(102, 208, 398, 472, TRUE);
    EXPECT_RECT(WindowRectOf(inner), 103, 209, 103 + 395, 209 + 453);
    EXPECT_RECT(ChildRectOf(frame), 8, 8, 386, 456);

    auto show = [&](bool on) {
        dialog.ShowWindow(on ? SW_SHOW : SW_HIDE);
        dialog.ShowChildDlg(on ? TRUE : FALSE);
        PumpPending();
        return ::IsWindowVisible(outer) == on && ::IsWindowVisible(inner) == on;
    };
    ASSERT_TRUE(show(true));
    HWND bar = ::GetDlgItem(frame, static_cast<int>(CSkinScrollWnd::kVertBarId));
    EXPECT_TRUE(::IsWindowVisible(bar));
    // Scrolled part-way: the frame's poll brings the bar along.
    ::SendMessageW(text, EM_LINESCROLL, 0, 12);
    const int textPos = ScrollPos(text, SB_VERT);
    EXPECT_GT(textPos, 0);
    EXPECT_TRUE(PumpUntil([&] { return ScrollPos(bar, SB_CTL) == textPos; }, 3000));

    // Showing and hiding loads and fills in nothing again, and holds no more GDI objects.
    const HBITMAP scrollBitmap = child->GetScrollBitmap();
    EXPECT_NE(scrollBitmap, nullptr);
    const long gdiShown = fw::GdiObjectCounter::Live();
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(show(false));
        ASSERT_TRUE(show(true));
    }
    EXPECT_EQ(child->GetScrollBitmap(), scrollBitmap);
    EXPECT_EQ(ScrollPos(text, SB_VERT), textPos); // new text would start at the top
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiShown);

    // Every later move of the outer brings the inner along at 1, 1, 2, 18.
    for (const POINT to : {POINT{40, 30}, POINT{-50, 300}}) {
        ::SetWindowPos(outer, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_RECT(WindowRectOf(inner), to.x + 1, to.y + 1, to.x + 396, to.y + 454);
    }

    dialog.DestroyWindow();
    EXPECT_EQ(dialog.GetChildDlg(), nullptr);
    EXPECT_EQ(::GetObjectType(scrollBitmap), 0u);
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiBefore);
}

} // namespace
} // namespace halvane::test
