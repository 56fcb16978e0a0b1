// CCheckBoxBtn: the panel's consent box from template 137 with the dialog's "宋体" font and the
// real strip 140, read back from the screen at scales 1 and 1.5.
#include <gtest/gtest.h>

#include <string>

#include "ButtonTestSupport.h"
#include "framework/GdiObjectCounter.h"
#include "res/resource.h"
#include "win/support/Text.h"

namespace halvane::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class CheckBoxBtnTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParkCursor();
        ASSERT_TRUE(m_host.Open());
        m_window = m_host.m_consent.GetSafeHwnd();
        m_host.m_consent.InitFont();
        ASSERT_FALSE(m_empty.Empty());
    }
    void TearDown() override {
        m_host.DestroyWindow();
        PumpPending();
    }
    void Place(float scale, int width, int height) {
        m_host.m_consent.m_fScale = scale;
        m_host.m_consent.MoveWindow(8, 100, width, height);
    }
    // Pixels of the box at (left, top) that differ from `cell`.
    static int Mismatches(const Pixels& shot, const Pixels& cell, int left, int top) {
        int count = 0;
        for (int y = 0; y < cell.Height(); ++y) {
            for (int x = 0; x < cell.Width(); ++x)
                count += Near(shot.At(left + x, top + y), cell.At(x, y), 10) ? 0 : 1;
        }
        return count;
    }
    static bool WhiteArea(const Pixels& shot, int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (shot.At(x, y) != kWhite)
                    return false;
            }
        }
        return true;
    }
    // First and last columns at or right of `from` holding a non-white pixel; -1 when none.
    static std::pair<int, int> InkColumns(const Pixels& shot, int from) {
        int first = -1, last = -1;
        for (int x = from; x < shot.Width(); ++x) {
            for (int y = 0; y < shot.Height(); ++y) {
                if (shot.At(x, y) != kWhite) {
                    if (first < 0)
                        first = x;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }
    HostDialog m_host;
    HWND m_window = nullptr;
    Pixels m_empty = PngPixels(IDB_CHECKBOX, RECT{0, 0, 16, 16}, 16, 16);
    Pixels m_ticked = PngPixels(IDB_CHECKBOX, RECT{16, 0, 32, 16}, 16, 16);
};

TEST_F(CheckBoxBtnTest, AtScaleOneTheBoxSitsAt0x2To16x18AndTheTextStartsAt18) {
    Place(1.0f, 120, 20);
    m_host.m_consent.SetCheck(1);
    const Pixels shot = Redrawn(m_window);
    EXPECT_EQ(Mismatches(shot, m_ticked, 0, 2), 0);
    EXPECT_GT(Mismatches(shot, m_ticked, 0, 1), 0); // the comparison does see a one-pixel shift
    EXPECT_TRUE(WhiteArea(shot, 0, 0, 18, 2));
    EXPECT_TRUE(WhiteArea(shot, 0, 18, 18, 20));
    EXPECT_TRUE(WhiteArea(shot, 16, 0, 18, 20));
    // "同意" in the dialog's own font, from x = 18 (a glyph may start a pixel in).
    const auto ink = InkColumns(shot, 16);
    EXPECT_GE(ink.first, 18);
    EXPECT_LE(ink.first, 20);
    EXPECT_NEAR(ink.second + 1 - 18, TextExtent(m_host.GetFont(), L"同意"), 3);
}

TEST_F(CheckBoxBtnTest, AtScaleOneAndAHalfTheBoxIs24SquareAt0x3AndTheTextStartsAt26) {
    Place(1.5f, 150, 30);
    m_host.m_consent.SetCheck(1);
    const Pixels ticked = PngPixels(IDB_CHECKBOX, RECT{16, 0, 32, 16}, 24, 24);
    const Pixels shot = Redrawn(m_window);
    EXPECT_EQ(Mismatches(shot, ticked, 0, 3), 0);
    EXPECT_GT(Mismatches(shot, ticked, 0, 2), 0);
    EXPECT_TRUE(WhiteArea(shot, 0, 0, 26, 3));
    EXPECT_TRUE(WhiteArea(shot, 0, 27, 26, 30));
    EXPECT_TRUE(WhiteArea(shot, 24, 0, 26, 30));
    const auto ink = InkColumns(shot, 24);
    EXPECT_GE(ink.first, 26);
    EXPECT_LE(ink.first, 28);
}

TEST_F(CheckBoxBtnTest, OnlyTheCheckedStateShowsTheTick) {
    Place(1.0f, 120, 20);
    m_host.m_consent.SetCheck(0);
    EXPECT_EQ(Mismatches(Redrawn(m_window), m_empty, 0, 2), 0);
    m_host.m_consent.SetCheck(1);
    EXPECT_EQ(Mismatches(Painted(m_window), m_ticked, 0, 2), 0);
    // BM_SETCHECK 2: an automatic check box may store it as checked (Wine's button clamps the
    // value to the style's maximum); the box shows what the control holds.
    m_host.m_consent.SetCheck(2);
    const int held = m_host.m_consent.GetCheck();
    EXPECT_EQ(Mismatches(Redrawn(m_window), held == 1 ? m_ticked : m_empty, 0, 2), 0) << held;
    // A three-state control keeps the indeterminate value, and it paints as the empty box.
    m_host.m_consent.SetButtonStyle(BS_AUTO3STATE, FALSE);
    m_host.m_consent.SetCheck(2);
    ASSERT_EQ(m_host.m_consent.GetCheck(), 2);
    EXPECT_EQ(Mismatches(Redrawn(m_window), m_empty, 0, 2), 0);
}

TEST_F(CheckBoxBtnTest, AClickTogglesTheCheckNotifiesTheParentAndRepaints) {
    Place(1.0f, 120, 20);
    m_host.m_consent.SetCheck(1);
    Redrawn(m_window);
    SendMouse(m_window, WM_LBUTTONDOWN, 6, 10, MK_LBUTTON);
    SendMouse(m_window, WM_LBUTTONUP, 6, 10);
    EXPECT_EQ(m_host.m_consent.GetCheck(), 0);
    EXPECT_EQ(m_host.m_consentClicks, 1);
    EXPECT_EQ(Mismatches(Painted(m_window), m_empty, 0, 2), 0);
}

TEST_F(CheckBoxBtnTest, MiddleButtonRepaintsAndChangesNothingElse) {
    Place(1.0f, 120, 20);
    m_host.m_consent.SetCheck(1);
    const Pixels before = Redrawn(m_window);
    Smear(m_window, RGB(0, 0, 0));
    SendMouse(m_window, WM_MBUTTONDOWN, 6, 10, MK_MBUTTON);
    const Pixels after = Painted(m_window);
    EXPECT_EQ(Mismatches(after, m_ticked, 0, 2), 0);
    EXPECT_EQ(after, before);
    EXPECT_EQ(m_host.m_consent.GetCheck(), 1);
    EXPECT_EQ(m_host.m_consentClicks, 0);
}

TEST_F(CheckBoxBtnTest, AResizedControlPaintsItsWholeNewArea) {
    Place(1.0f, 60, 20);
    m_host.m_consent.SetCheck(1);
    Redrawn(m_window);
    m_host.m_consent.MoveWindow(8, 100, 160, 24);
    const Pixels shot = Redrawn(m_window);
    EXPECT_EQ(Mismatches(shot, m_ticked, 0, 4), 0);
    EXPECT_TRUE(WhiteArea(shot, 60, 0, 160, 24));
}

TEST_F(CheckBoxBtnTest, RepeatedPaintsOfTheThreeControlsHoldNoMoreGdiObjects) {
    Place(1.0f, 120, 20);
    m_host.m_close.SetPngImages(IDB_PANEL_CLOSE_NORMAL, IDB_PANEL_CLOSE_HOVER,
                                IDB_PANEL_CLOSE_PRESSED, IDB_PANEL_CLOSE_DISABLED);
    m_host.m_set.SetPngImages(IDB_SET_NORMAL, IDB_SET_HOVER, IDB_SET_PRESSED, IDB_SET_DISABLED);
    const HWND windows[] = {m_window, m_host.m_close.GetSafeHwnd(), m_host.m_set.GetSafeHwnd()};
    for (HWND w : windows)
        Redrawn(w);
    const long live = fw::GdiObjectCounter::Live();
    for (int i = 0; i < 20; ++i) {
        for (HWND w : windows)
            Redrawn(w);
    }
    EXPECT_EQ(fw::GdiObjectCounter::Live(), live);
    m_host.m_close.ReleasePngImages();
    m_host.m_set.ReleasePngImages();
}

} // namespace
} // namespace halvane::test
