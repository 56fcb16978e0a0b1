#include <gtest/gtest.h>

#include "controls/CheckBoxLayout.h"

namespace halvane {
namespace {

void ExpectRect(const PixelRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(CheckBoxLayoutTest, BoxIsCentredAtTheLeftAndTheTextFollowsTwoPixelsLater) {
    const CheckBoxLayout one = LayOutCheckBox(PixelRect{0, 0, 46, 20}, 1.0f, 1);
    ExpectRect(one.box, 0, 2, 16, 18);
    ExpectRect(one.text, 18, 0, 46, 20);

    const CheckBoxLayout oneHalf = LayOutCheckBox(PixelRect{0, 0, 69, 30}, 1.5f, 1);
    ExpectRect(oneHalf.box, 0, 3, 24, 27);
    EXPECT_EQ(oneHalf.text.left, 26);

    const CheckBoxLayout two = LayOutCheckBox(PixelRect{0, 0, 92, 40}, 2.0f, 0);
    ExpectRect(two.box, 0, 4, 32, 36);
    EXPECT_EQ(two.text.left, 34);
}

TEST(CheckBoxLayoutTest, SizesAreTruncatedAndTheHalfHeightIsIntegerDivision) {
    // 16 x 1.25 = 20, 8 x 1.25 = 10; 16 x 1.1 = 17.6 -> 17, 8 x 1.1 = 8.8 -> 8.
    ExpectRect(LayOutCheckBox(PixelRect{0, 0, 50, 25}, 1.25f, 0).box, 0, 2, 20, 22);
    const CheckBoxLayout odd = LayOutCheckBox(PixelRect{0, 0, 50, 21}, 1.1f, 0);
    ExpectRect(odd.box, 0, 2, 17, 19);
    EXPECT_EQ(odd.text.left, 19);
    // A control lower than the box puts the box above its top edge, as the formula says.
    EXPECT_EQ(LayOutCheckBox(PixelRect{0, 0, 50, 10}, 1.0f, 0).box.top, -3);
}

TEST(CheckBoxLayoutTest, OnlyTheCheckedStateTakesTheTickedCell) {
    EXPECT_EQ(LayOutCheckBox(PixelRect{0, 0, 46, 20}, 1.0f, 0).cellX, 0);
    EXPECT_EQ(LayOutCheckBox(PixelRect{0, 0, 46, 20}, 1.0f, 1).cellX, 16);
    EXPECT_EQ(LayOutCheckBox(PixelRect{0, 0, 46, 20}, 1.0f, 2).cellX, 0);
}

} // namespace
} // namespace halvane
