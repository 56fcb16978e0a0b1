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

TEST(PairGeometryTest, ProgressHasNoCaptionStrip) {
    const IntRect client{0, 0, 204, 104};
    for (int y = 0; y < 104; y += 7)
        EXPECT_FALSE(IsInCaption(kExecutePromptPair, client, {50, y}, 1.0f)) << y;
}

} // namespace
} // namespace halvane
