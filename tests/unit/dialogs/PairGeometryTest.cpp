#include <gtest/gtest.h>

#include "dialogs/PairGeometry.h"

namespace halvane {
namespace {

using fw::IntRect;

void ExpectRect(const IntRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(PairGeometryTest, PromptAtScaleOne) {
    const fw::IntPoint size = OuterSize(kPromptPair, 1.0f);
    EXPECT_EQ(size.x, 336);
    EXPECT_EQ(size.y, 156);
    const IntRect outer{40, 70, 376, 226};
    ExpectRect(InitialInnerRect(kPromptPair, outer, 1.0f), 45, 73, 45 + 326, 73 + 146);
    // At scale 1 every way of relating the two windows agrees.
    ExpectRect(InnerRectForOuter(kPromptPair, outer, 1.0f), 45, 73, 45 + 326, 73 + 146);
    ExpectRect(OuterRectAroundInner(kPromptPair, {45, 73, 371, 219}, 1.0f), 40, 70, 376, 226);
}

TEST(PairGeometryTest, PromptAtOneAndAHalf) {
    const fw::IntPoint size = OuterSize(kPromptPair, 1.5f);
    EXPECT_EQ(size.x, 504);
    EXPECT_EQ(size.y, 234);
    const IntRect outer{100, 100, 604, 334};
    ExpectRect(InitialInnerRect(kPromptPair, outer, 1.5f), 107, 104, 107 + 489, 104 + 219);
    // A move of the outer truncates each inset on its own: 7, 4, 7 and 10.
    ExpectRect(InnerRectForOuter(kPromptPair, outer, 1.5f), 107, 104, 597, 324);
    ExpectRect(OuterRectAroundInner(kPromptPair, {107, 104, 597, 324}, 1.5f), 100, 100, 604, 334);

    const IntRect strip = CaptionStrip(kPromptPair, {107, 104, 596, 323}, 1.5f);
    EXPECT_EQ(strip.Height(), 45);
    EXPECT_EQ(596 - strip.right, 39);
}

TEST(PairGeometryTest, InitialInnerTruncatesTowardZeroLeftOfTheScreen) {
    // -100 + 7.5 is -92.5, truncated to -92; a shrink by the truncated inset would give -93.
    const IntRect inner = InitialInnerRect(kPromptPair, {-100, -50, 404, 184}, 1.5f);
    EXPECT_EQ(inner.left, -92);
    EXPECT_EQ(inner.top, -45);
    EXPECT_EQ(InnerRectForOuter(kPromptPair, {-100, -50, 404, 184}, 1.5f).left, -93);
}

TEST(PairGeometryTest, ProgressAndOtherPairs) {
    const IntRect outer{10, 20, 242, 152};
    ExpectRect(InitialInnerRect(kExecutePromptPair, outer, 1.0f), 24, 32, 24 + 204, 32 + 104);
    ExpectRect(InitialInnerRect(kExecutePromptPair, {0, 0, 464, 264}, 2.0f), 28, 24, 28 + 408,
               24 + 208);
    const fw::IntPoint main = OuterSize(kMainPair, 2.0f);
    EXPECT_EQ(main.x, 820);
    EXPECT_EQ(main.y, 1222);
    // The feedback outer's own moves put the inner one pixel higher than its creation does.
    const IntRect feedback{0, 0, 410, 479};
    EXPECT_EQ(InitialInnerRect(kFeedbackPair, feedback, 1.0f).top, 4);
    EXPECT_EQ(InnerRectForOuter(kFeedbackPair, feedback, 1.0f).top, 3);
    EXPECT_EQ(OuterRectAroundInner(kFeedbackPair, {5, 4, 405, 472}, 1.0f).top, 0);
}

TEST(PairGeometryTest, CaptionStripEdgesAndMargins) {
    const IntRect client{200, 100, 526, 246}; // the prompt inner at scale 1
    EXPECT_TRUE(IsInCaption(kPromptPair, client, {200, 100}, 1.0f));
    EXPECT_TRUE(IsInCaption(kPromptPair, client, {499, 129}, 1.0f));
    EXPECT_FALSE(IsInCaption(kPromptPair, client, {500, 110}, 1.0f)); // the close button's margin
    EXPECT_FALSE(IsInCaption(kPromptPair, client, {300, 130}, 1.0f));
    EXPECT_FALSE(IsInCaption(kPromptPair, client, {199, 110}, 1.0f));
    // The main panel keeps a wider margin for its two buttons.
    EXPECT_FALSE(IsInCaption(kMainPair, {0, 0, 400, 600}, {320, 10}, 1.0f));
    EXPECT_TRUE(IsInCaption(kMainPair, {0, 0, 400, 600}, {313, 10}, 1.0f));
}

// The main window centred on the screen: halves of the screen lose their half pixel, the scaled
// half sizes are truncated on their own (1.25: 256.25 and 381.875).
TEST(PairGeometryTest, MainFrameCentredOnTheScreen) {
    struct Case {
        int screenWidth, screenHeight;
        float scale;
        IntRect expected;
    };
    const Case cases[] = {
        {1280, 1024, 1.0f, {435, 207, 435 + 410, 207 + 611}}, // 611 / 2 = 305.5
        {2560, 1600, 2.0f, {870, 189, 870 + 820, 189 + 1222}},
        {1365, 767, 1.0f, {682 - 205, 383 - 305, 477 + 410, 78 + 611}},
        {1000, 1000, 1.25f, {500 - 256, 500 - 381, 244 + 512, 119 + 763}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screenWidth);
        const IntRect r = CentredOuterRect(kMainPair, c.screenWidth, c.screenHeight, c.scale);
        ExpectRect(r, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom);
    }
}

// The panel in the main frame and the frame around a dragged panel: insets 5, 4, 5, 7 times the
// scale. The panel's corner adds the products before truncation, also left of the screen.
TEST(PairGeometryTest, MainPanelInsetInTheFrame) {
    struct Case {
        IntRect frame;
        float scale;
        IntRect panel;
    };
    const Case cases[] = {
        {{435, 207, 845, 818}, 1.0f, {440, 211, 440 + 400, 211 + 600}},
        {{870, 189, 1690, 1411}, 2.0f, {880, 197, 880 + 800, 197 + 1200}},
        // 101 + 7.5, 51 + 6, 615 - 15, 916 - 16.5
        {{101, 51, 101 + 615, 51 + 916}, 1.5f, {108, 57, 108 + 600, 57 + 899}},
        // -20 + 7.5 = -12.5 and -10 + 6: toward zero, not down
        {{-20, -10, -20 + 615, -10 + 916}, 1.5f, {-12, -4, -12 + 600, -4 + 899}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame.left);
        const IntRect r = InitialInnerRect(kMainPair, c.frame, c.scale);
        ExpectRect(r, c.panel.left, c.panel.top, c.panel.right, c.panel.bottom);
    }
    // At 1 and 2 the frame around the placed panel is the frame it was placed in.
    ExpectRect(OuterRectAroundInner(kMainPair, {880, 197, 1680, 1397}, 2.0f), 870, 189, 1690, 1411);
    // At 1.5 each inset is truncated on its own: 7, 6, 7, 10.
    ExpectRect(OuterRectAroundInner(kMainPair, {100, 200, 700, 1100}, 1.5f), 93, 194, 707, 1110);
}

// The panel's drag strip: its top 30 rows short of the 86 pixels of minimise and close, scaled.
TEST(PairGeometryTest, MainPanelCaptionStrip) {
    ExpectRect(CaptionStrip(kMainPair, {100, 200, 500, 800}, 1.0f), 100, 200, 414, 230);
    ExpectRect(CaptionStrip(kMainPair, {100, 200, 900, 1400}, 2.0f), 100, 200, 728, 260);
    ExpectRect(CaptionStrip(kMainPair, {0, 0, 600, 900}, 1.5f), 0, 0, 471, 45);
}

TEST(PairGeometryTest, ProgressHasNoCaptionStrip) {
    const IntRect client{0, 0, 204, 104};
    for (int y = 0; y < 104; y += 7)
        EXPECT_FALSE(IsInCaption(kExecutePromptPair, client, {50, y}, 1.0f)) << y;
}

} // namespace
} // namespace halvane
