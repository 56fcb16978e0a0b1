#include "app/MainWindowPlacement.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(ScaleFromDpi, WholeMultiplesOf96AboveOneHundredDpiOnly) {
    EXPECT_EQ(ScaleFromDpi(96), 1.0f);
    EXPECT_EQ(ScaleFromDpi(100), 1.0f);
    EXPECT_EQ(ScaleFromDpi(120), 1.0f);
    EXPECT_EQ(ScaleFromDpi(144), 1.0f); // 1.5 is cut to 1
    EXPECT_EQ(ScaleFromDpi(191), 1.0f);
    EXPECT_EQ(ScaleFromDpi(192), 2.0f);
    EXPECT_EQ(ScaleFromDpi(288), 3.0f);
    // Below 100 dpi the division would give 0 and shrink everything to nothing.
    EXPECT_EQ(ScaleFromDpi(72), 1.0f);
    EXPECT_EQ(ScaleFromDpi(0), 1.0f);
}

TEST(MainWindowTarget, CentredFrameOfTheSkinSizeTimesTheScale) {
    const fw::IntRect one = MainWindowTarget(1280, 1024, 1.0f);
    EXPECT_EQ(one.left, 640 - 205);
    EXPECT_EQ(one.top, 512 - 305); // 611 / 2 = 305.5, cut toward zero
    EXPECT_EQ(one.Width(), 410);
    EXPECT_EQ(one.Height(), 611);

    const fw::IntRect two = MainWindowTarget(2560, 1600, 2.0f);
    EXPECT_EQ(two.left, 1280 - 410);
    EXPECT_EQ(two.top, 800 - 611);
    EXPECT_EQ(two.Width(), 820);
    EXPECT_EQ(two.Height(), 1222);

    // Odd screen sizes lose their half pixel before the frame is subtracted.
    const fw::IntRect odd = MainWindowTarget(1365, 767, 1.0f);
    EXPECT_EQ(odd.left, 682 - 205);
    EXPECT_EQ(odd.top, 383 - 305);
}

TEST(MainWindowTarget, FractionalScaleTruncatesEachProduct) {
    const fw::IntRect r = MainWindowTarget(1000, 1000, 1.25f);
    EXPECT_EQ(r.left, 500 - 256); // 1.25 * 410 / 2 = 256.25
    EXPECT_EQ(r.top, 500 - 381);  // 1.25 * 611 / 2 = 381.875
    EXPECT_EQ(r.Width(), 512);    // 512.5
    EXPECT_EQ(r.Height(), 763);   // 763.75
}

TEST(PanelRectInFrame, InsetFiveFourFiveSevenTimesTheScale) {
    const fw::IntRect one = PanelRectInFrame(MainWindowTarget(1280, 1024, 1.0f), 1.0f);
    EXPECT_EQ(one.left, 435 + 5);
    EXPECT_EQ(one.top, 207 + 4);
    EXPECT_EQ(one.Width(), 400);
    EXPECT_EQ(one.Height(), 600);

    const fw::IntRect two = PanelRectInFrame(MainWindowTarget(2560, 1600, 2.0f), 2.0f);
    EXPECT_EQ(two.left, 870 + 10);
    EXPECT_EQ(two.top, 189 + 8);
    EXPECT_EQ(two.Width(), 800);
    EXPECT_EQ(two.Height(), 1200);

    // The sums are formed in float before the cut: 1.5 * 5 = 7.5 on an odd corner.
    const fw::IntRect frame{101, 51, 101 + 615, 51 + 916};
    const fw::IntRect half = PanelRectInFrame(frame, 1.5f);
    EXPECT_EQ(half.left, 108);     // 101 + 7.5
    EXPECT_EQ(half.top, 57);       // 51 + 6
    EXPECT_EQ(half.Width(), 600);  // 615 - 15
    EXPECT_EQ(half.Height(), 899); // 916 - 16.5
}

// A frame placed left of or above the primary screen (negative corner) still truncates toward
// zero, not down.
TEST(PanelRectInFrame, NegativeCornerTruncatesTowardZero) {
    const fw::IntRect frame{-20, -10, -20 + 615, -10 + 916};
    const fw::IntRect r = PanelRectInFrame(frame, 1.5f);
    EXPECT_EQ(r.left, -12); // -20 + 7.5 = -12.5
    EXPECT_EQ(r.top, -4);   // -10 + 6
}

TEST(FrameAroundPanel, GivesBackTheFrameThePanelWasPlacedIn) {
    struct Case {
        float scale;
        int screenWidth, screenHeight;
    } const cases[] = {{1.0f, 1280, 1024}, {2.0f, 2560, 1600}, {3.0f, 3840, 2160}};
    for (const Case& c : cases) {
        const fw::IntRect frame = MainWindowTarget(c.screenWidth, c.screenHeight, c.scale);
        const fw::IntRect around = FrameAroundPanel(PanelRectInFrame(frame, c.scale), c.scale);
        EXPECT_EQ(around.left, frame.left) << c.scale;
        EXPECT_EQ(around.top, frame.top) << c.scale;
        EXPECT_EQ(around.right, frame.right) << c.scale;
        EXPECT_EQ(around.bottom, frame.bottom) << c.scale;
    }
    // A dragged panel: each inset truncated on its own (1.5 * 5 = 7.5 -> 7, 1.5 * 7 = 10.5 -> 10).
    const fw::IntRect r = FrameAroundPanel(fw::IntRect{100, 100, 700, 1000}, 1.5f);
    EXPECT_EQ(r.left, 93);
    EXPECT_EQ(r.top, 94);
    EXPECT_EQ(r.right, 707);
    EXPECT_EQ(r.bottom, 1010);
}

} // namespace
} // namespace halvane
