// CreateDerivedFont and GetTextWidth on a dialog whose template font is "宋体" 10 pt.
#include <gtest/gtest.h>

#include "TestResources.h"
#include "controls/FontUtil.h"
#include "framework/ClientDC.h"
#include "framework/Dialog.h"
#include "framework/GdiObjectCounter.h"
#include "framework/WindowClass.h"
#include "win/support/Text.h"

namespace halvane {
namespace {

LOGFONTW RecordOf(HFONT font) {
    LOGFONTW lf{};
    ::GetObjectW(font, sizeof(lf), &lf);
    return lf;
}

class FontUtilTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(IDD_FONT_DIALOG));
        ASSERT_NE(m_dialog.GetFont(), nullptr);
        m_base = RecordOf(m_dialog.GetFont());
    }
    CDialog m_dialog{IDD_FONT_DIALOG};
    LOGFONTW m_base{};
};

TEST_F(FontUtilTest, DialogFontIsThirteenPixelsHigh) {
    // Precondition of the numbers below: 10 pt at 96 dpi.
    EXPECT_EQ(m_base.lfHeight, -13);
}

TEST_F(FontUtilTest, ZeroChangeWithWeight700IsNotBold) {
    CFont font;
    CreateDerivedFont(&m_dialog, 0, 700, font);
    ASSERT_NE(font.GetSafeHandle(), nullptr);
    const LOGFONTW lf = RecordOf(font);
    EXPECT_EQ(lf.lfHeight, m_base.lfHeight);
    EXPECT_EQ(lf.lfWeight, m_base.lfWeight);
    EXPECT_STREQ(lf.lfFaceName, m_base.lfFaceName);
}

TEST_F(FontUtilTest, PlusTwoMakesMinus13IntoMinus15AndAppliesTheWeight) {
    CFont font;
    CreateDerivedFont(&m_dialog, 2, 0, font);
    EXPECT_EQ(RecordOf(font).lfHeight, -15);
    EXPECT_EQ(RecordOf(font).lfWeight, m_base.lfWeight);
    HFONT previous = font;
    CreateDerivedFont(&m_dialog, 2, 700, font); // replaces the held font
    EXPECT_EQ(RecordOf(font).lfWeight, 700);
    EXPECT_EQ(::GetObjectType(previous), 0u);
}

TEST_F(FontUtilTest, WindowWithoutAFontFallsBackToTheStockGuiFont) {
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, nullptr, L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    ASSERT_EQ(plain.GetFont(), nullptr);
    const LOGFONTW stock = RecordOf(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    CFont font;
    CreateDerivedFont(&plain, 0, 0, font);
    EXPECT_EQ(RecordOf(font).lfHeight, stock.lfHeight);
    EXPECT_STREQ(RecordOf(font).lfFaceName, stock.lfFaceName);
    CFont none;
    CreateDerivedFont(nullptr, 0, 0, none); // no window at all: the same fallback
    EXPECT_EQ(RecordOf(none).lfHeight, stock.lfHeight);
}

TEST_F(FontUtilTest, TextWidthMeasuresInTheDerivedFontAndRestoresTheDc) {
    CClientDC dc(m_dialog.GetSafeHwnd());
    HGDIOBJ selected = ::GetCurrentObject(dc, OBJ_FONT);
    const long live = fw::GdiObjectCounter::Live();

    EXPECT_EQ(GetTextWidth(&m_dialog, dc, L"", 0, 0), 0);
    const int normal = GetTextWidth(&m_dialog, dc, L"同意《协议》", 0, 0);
    const int larger = GetTextWidth(&m_dialog, dc, L"同意《协议》", 6, 0);
    EXPECT_GT(normal, 0);
    EXPECT_GT(larger, normal);

    // The same text measured by hand in the dialog's own font.
    EXPECT_EQ(normal, test::TextExtent(m_dialog.GetFont(), L"同意《协议》"));
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), selected);
    EXPECT_EQ(fw::GdiObjectCounter::Live(), live); // the temporary font is gone
}

TEST_F(FontUtilTest, MissingWindowOrDcGivesMinusOne) {
    CClientDC dc(m_dialog.GetSafeHwnd());
    EXPECT_EQ(GetTextWidth(nullptr, dc, L"abc", 0, 0), -1);
    CWnd unbound;
    EXPECT_EQ(GetTextWidth(&unbound, dc, L"abc", 0, 0), -1);
    EXPECT_EQ(GetTextWidth(&m_dialog, nullptr, L"abc", 0, 0), -1);
}

} // namespace
} // namespace halvane
