#include "app/MainWindowPlacement.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

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

// FollowChild: the frame goes around the panel, each inset times the scale truncated on its own
// (1.5: 7, 6, 7, 10), so at 1 and 2 it is the frame the panel was placed in.
TEST(FrameAroundPanel, InsetsTimesTheScaleOutsideThePanel) {
    const fw::IntRect frame = MainWindowTarget(2560, 1600, 2.0f);
    const fw::IntRect back = FrameAroundPanel(PanelRectInFrame(frame, 2.0f), 2.0f);
    EXPECT_EQ(back.left, frame.left);
    EXPECT_EQ(back.top, frame.top);
    EXPECT_EQ(back.right, frame.right);
    EXPECT_EQ(back.bottom, frame.bottom);

    const fw::IntRect half = FrameAroundPanel(fw::IntRect{100, 200, 700, 1100}, 1.5f);
    EXPECT_EQ(half.left, 93);
    EXPECT_EQ(half.top, 194);
    EXPECT_EQ(half.right, 707);
    EXPECT_EQ(half.bottom, 1110);
}

} // namespace
} // namespace halvane
