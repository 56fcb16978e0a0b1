// CDrawTextStatic in a real window: where each layout puts the text, clipping of a text taller
// than the control, the fill and background image, and the hover colour with its repaints.
#include <gtest/gtest.h>

#include <memory>

#include "StaticTestSupport.h"
#include "controls/DrawTextStatic.h"
#include "controls/PngResource.h"
#include "framework/GdiObjectCounter.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

constexpr int kLine = 12;

class DrawTextStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.Create(RECT{60, 60, 460, 360}, m_font));
        // Every expected position below assumes 12-pixel lines.
        ASSERT_EQ(LineHeight(m_font, true), kLine);
    }

    // A static configured the way the owners do it, before its first paint.
    CDrawTextStatic& Make(const wchar_t* text, int mode, const RECT& rect) {
        m_statics.push_back(std::make_unique<CDrawTextStatic>());
        CDrawTextStatic& s = *m_statics.back();
        EXPECT_TRUE(s.Create(text, WS_CHILD | WS_VISIBLE, rect, &m_host, 1006));
        s.SetTextFont(0, 0);
        s.SetAlignMode(mode);
        return s;
    }

    static Pixels Painted(const CDrawTextStatic& s) {
        s.Invalidate();
        return Shown(s);
    }

    // Ink of one "Halvane" drawn at the top-left corner, the reference for every placement.
    Ink ReferenceInk() const {
        return InkOf(RenderText(m_font, L"Halvane", 120, kLine, RECT{0, 0, 120, kLine},
                                DT_SINGLELINE, kBlack, kWhite),
                     kWhite);
    }

    CFont m_font = MakeTestFont();
    FontHost m_host;
    std::vector<std::unique_ptr<CDrawTextStatic>> m_statics;
};

TEST_F(DrawTextStaticTest, CentredBlocksStartHalfTheRoomBelowTheTop) {
    const Ink ref = ReferenceInk();
    const int width = 120;
    const int extent = TextExtent(m_font, L"Halvane");
    struct Case {
        int mode;
        int lineLeft; // where each line starts
    };
    const Case cases[] = {{0, 0}, {3, width - extent}, {5, (width - extent) / 2}, {7, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CDrawTextStatic& s = Make(L"Halvane\r\nHalvane", c.mode, RECT{0, 0, width, 40});
        const Ink ink = InkOf(Painted(s), kWhite);
        ASSERT_TRUE(ink.any);
        // Two 12-pixel lines in 40 pixels: the block starts 8 pixels down.
        EXPECT_EQ(ink.top, 8 + ref.top);
        EXPECT_EQ(ink.bottom, 8 + kLine + ref.bottom);
        EXPECT_NEAR(ink.left, c.lineLeft + ref.left, 1);
        EXPECT_NEAR(ink.right, c.lineLeft + ref.right, 1);
        s.DestroyWindow();
    }
}

TEST_F(DrawTextStaticTest, TextTallerThanTheControlIsClippedEvenly) {
    // Five lines (60 pixels) in 40: the block starts 10 pixels above the top, so the control
    // shows rows 10 to 49 of the whole block.
    const wchar_t* text = L"H1\r\nH2\r\nH3\r\nH4\r\nH5";
    CDrawTextStatic& s = Make(text, 5, RECT{0, 0, 80, 40});
    const Pixels shown = Painted(s);
    const Pixels whole = RenderText(m_font, text, 80, 60, RECT{0, 0, 80, 60},
                                    DT_WORDBREAK | DT_EXTERNALLEADING | DT_CENTER, kBlack, kWhite);
    ASSERT_EQ(InkOf(whole, kWhite).bottom >= 50, true); // the last line reaches below row 50
    ASSERT_EQ(shown.Height(), 40);
    int differing = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            differing += shown.At(x, y) != whole.At(x, y + 10) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

TEST_F(DrawTextStaticTest, OutOfRangeModeShowsOnlyTheFill) {
    for (int mode : {8, -1}) {
        SCOPED_TRACE(mode);
        CDrawTextStatic& s = Make(L"Halvane", mode, RECT{0, 0, 100, 30});
        s.SetBkColor(RGB(0, 200, 0));
        const Pixels p = Painted(s);
        EXPECT_EQ(p.Count(RGB(0, 200, 0)), 100 * 30);
        s.DestroyWindow();
    }
}

TEST_F(DrawTextStaticTest, FillColourIsFixedAtTheFirstPaint) {
    CDrawTextStatic& s = Make(L"Halvane", 1, RECT{0, 0, 100, 30});
    s.SetBkColor(RGB(255, 255, 0));
    const int yellow = Painted(s).Count(RGB(255, 255, 0));
    EXPECT_GT(yellow, 100 * 30 / 2);
    s.SetBkColor(RGB(0, 200, 0));
    const Pixels after = Painted(s);
    EXPECT_EQ(after.Count(RGB(0, 200, 0)), 0);
    EXPECT_EQ(after.Count(RGB(255, 255, 0)), yellow);
}

TEST_F(DrawTextStaticTest, NewWindowTextRepaintsInTheSkin) {
    CDrawTextStatic& s = Make(L"H", 1, RECT{0, 0, 100, 30});
    Painted(s);
    s.SetWindowText(L"Halvane");
    PumpPending(); // no invalidation of our own: the text change must bring the repaint
    CDrawTextStatic& fresh = Make(L"Halvane", 1, RECT{0, 40, 100, 70});
    EXPECT_EQ(CaptureClient(s), Painted(fresh));
    EXPECT_EQ(s.GetWindowText(), L"Halvane");
}

TEST_F(DrawTextStaticTest, HoverColourFollowsUpdateHoverWithOneRepaintPerChange) {
    constexpr COLORREF normal = 0xFF5C5C, hover = 0xFF0000;
    CDrawTextStatic& s = Make(L"Halvane", 1, RECT{20, 20, 120, 40});
    s.SetBkColor(kWhite);
    s.SetTextColors(normal, hover);
    Pixels p = Painted(s);
    EXPECT_GT(p.Count(normal), 0);
    EXPECT_EQ(p.Count(hover), 0);

    RECT window{};
    s.GetWindowRect(&window);
    PaintCounter paints(s);
    s.UpdateHover(window.left + 5, window.top + 5);
    PumpPending();
    s.UpdateHover(window.left + 50, window.top + 10); // the same answer: no second repaint
    PumpPending();
    EXPECT_EQ(paints.Count(), 1);
    p = CaptureClient(s);
    EXPECT_GT(p.Count(hover), 0);
    EXPECT_EQ(p.Count(normal), 0);

    // Right and bottom edges lie outside, as PtInRect has it.
    s.UpdateHover(window.right, window.top + 5);
    PumpPending();
    s.UpdateHover(window.left, window.bottom);
    PumpPending();
    EXPECT_EQ(paints.Count(), 2);
    p = CaptureClient(s);
    EXPECT_GT(p.Count(normal), 0);
    EXPECT_EQ(p.Count(hover), 0);

    EXPECT_EQ(s.IsPointInside(window.left, window.top), 1);
    EXPECT_EQ(s.IsPointInside(window.right - 1, window.bottom - 1), 1);
    EXPECT_EQ(s.IsPointInside(window.right, window.bottom - 1), 0);
    EXPECT_EQ(s.IsPointInside(window.left - 1, window.top), 0);
}

TEST_F(DrawTextStaticTest, BackgroundImagePartLiesUnderTheControl) {
    Gdiplus::Image* image = nullptr;
    ASSERT_EQ(LoadPngFromResource(&image, IDB_PANEL_BK), 1);
    std::unique_ptr<Gdiplus::Image> owned(image);
    const Pixels source = Rendered(*image, RECT{0, 0, 400, 600}, 400, 600);
    // The version label's place on the panel, with a mode that draws no text.
    CDrawTextStatic& s = Make(L"1.0.21.219", 8, RECT{0, 0, 100, 15});
    s.SetBkImage(image);
    s.SetBkImageRect(188, 16, 288, 31);
    const Pixels p = Painted(s);
    EXPECT_EQ(CountUnlike(p, source, 188, 16, 2), 0);
    s.DestroyWindow(); // before the image goes
}

TEST_F(DrawTextStaticTest, RepaintsLeaveNoGdiObjectBehind) {
    CDrawTextStatic& s = Make(L"Halvane Halvane", 5, RECT{0, 0, 60, 40});
    Painted(s);
    const long live = fw::GdiObjectCounter::Live();
    for (int i = 0; i < 10; ++i) {
        s.SetTextFont(0, 0); // replaces the font it held
        Painted(s);
    }
    EXPECT_EQ(fw::GdiObjectCounter::Live(), live);
}

} // namespace
} // namespace halvane::test
