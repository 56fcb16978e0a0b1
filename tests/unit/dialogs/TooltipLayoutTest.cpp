#include <gtest/gtest.h>

#include "dialogs/PairGeometry.h"
#include "dialogs/TooltipLayout.h"

namespace halvane {
namespace {

using fw::IntRect;

bool Same(const IntRect& a, const IntRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The outer as created, the inner it creates, the text in that inner, and where a later move of
// the outer (the panel's placement) brings the inner.
struct Case {
    float scale;
    IntRect outer, inner, text, placed, moved;
};

const Case kCases[] = {
    // Inner 394 x 464, text 378 x 448 at 8, 8; the panel's 398 x 472 gives an inner 395 x 453.
    {1.0f, {0, 0, 396, 482}, {1, 1, 395, 465}, {8, 8, 386, 456}, {102, 208, 500, 680},
     {103, 209, 498, 662}},
    {2.0f, {0, 0, 792, 964}, {2, 2, 790, 930}, {16, 16, 772, 912}, {204, 416, 1000, 1360},
     {206, 418, 996, 1324}},
    // Whole-pixel offsets trunc(1.25) and trunc(2.5), the 22.5 cut truncated with the height,
    // left of the screen too; a move truncates each inset on its own (1, 1, 2, 22).
    {1.25f, {-10, 20, 485, 622}, {-9, 21, 484, 600}, {10, 10, 483, 569}, {0, 0, 100, 100},
     {1, 1, 98, 78}},
};

TEST(TooltipLayoutTest, InnerTextAndMovesForEachScale) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale);
        const fw::IntPoint size = OuterSize(kTooltipPair, c.scale);
        EXPECT_EQ(size.x, c.outer.Width());
        EXPECT_EQ(size.y, c.outer.Height());
        const IntRect inner = TooltipInitialInnerRect(c.outer, c.scale);
        EXPECT_TRUE(Same(inner, c.inner));
        EXPECT_TRUE(Same(AgreementTextRect({0, 0, inner.Width(), inner.Height()}, c.scale), c.text));
        EXPECT_TRUE(Same(InnerRectForOuter(kTooltipPair, c.placed, c.scale), c.moved));
    }
}

} // namespace
} // namespace halvane
