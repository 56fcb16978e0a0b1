#include <gtest/gtest.h>

#include "dialogs/PairGeometry.h"
#include "dialogs/TooltipLayout.h"

namespace halvane {
namespace {

using fw::IntRect;

void ExpectRect(const IntRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

struct Case {
    float scale;
    fw::IntPoint size;      // the outer's size
    IntRect outer;          // where the skin update left the new outer
    IntRect initialInner;   // where the outer puts its new inner
    IntRect text;           // the rich edit in that inner's client area
    IntRect placed;         // the panel's placement of the outer ...
    IntRect movedInner;     // ... and where the outer's move brings the inner
};

const Case kCases[] = {
    // 396 x 482: the inner 394 x 464, the text 378 x 448 at 8, 8; the panel's 398 x 472 gives
    // an inner of 395 x 453.
    {1.0f, {396, 482}, {0, 0, 396, 482}, {1, 1, 395, 465}, {8, 8, 386, 456}, {102, 208, 500, 680},
     {103, 209, 498, 662}},
    {2.0f, {792, 964}, {0, 0, 792, 964}, {2, 2, 790, 930}, {16, 16, 772, 912}, {204, 416, 1000, 1360},
     {206, 418, 996, 1324}},
    // Whole-pixel offsets 1 and 2 (of 1.25 and 2.5), the 22.5 cut truncated with the height;
    // a move truncates each inset on its own (1, 1, 2, 22).
    {1.25f, {495, 602}, {10, 20, 505, 622}, {11, 21, 504, 600}, {10, 10, 483, 569},
     {0, 0, 100, 100}, {1, 1, 98, 78}},
};

TEST(TooltipLayoutTest, InnerAndTextForEachScale) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale);
        const fw::IntPoint size = OuterSize(kTooltipPair, c.scale);
        EXPECT_EQ(size.x, c.size.x);
        EXPECT_EQ(size.y, c.size.y);
        const IntRect inner = TooltipInitialInnerRect(c.outer, c.scale);
        ExpectRect(inner, c.initialInner.left, c.initialInner.top, c.initialInner.right,
                   c.initialInner.bottom);
        const IntRect text = AgreementTextRect({0, 0, inner.Width(), inner.Height()}, c.scale);
        ExpectRect(text, c.text.left, c.text.top, c.text.right, c.text.bottom);
        const IntRect moved = InnerRectForOuter(kTooltipPair, c.placed, c.scale);
        ExpectRect(moved, c.movedInner.left, c.movedInner.top, c.movedInner.right,
                   c.movedInner.bottom);
    }
}

TEST(TooltipLayoutTest, LeftOfTheScreenTheOffsetsStayWhole) {
    // -100 + trunc(1.5) is -99; truncating -100 + 1.5 would give -98.
    const IntRect inner = TooltipInitialInnerRect({-100, -50, 494, 673}, 1.5f);
    EXPECT_EQ(inner.left, -99);
    EXPECT_EQ(inner.top, -49);
    EXPECT_EQ(inner.Width(), 591);
    EXPECT_EQ(inner.Height(), 696);
}

} // namespace
} // namespace halvane
