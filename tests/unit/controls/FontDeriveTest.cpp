#include <gtest/gtest.h>

#include "controls/FontDerive.h"

namespace halvane {
namespace {

TEST(FontDeriveTest, ZeroSizeChangeKeepsTheFontAndIgnoresTheWeight) {
    const FontSize f = DeriveFontSize({-13, 400}, 0, 700);
    EXPECT_EQ(f.height, -13);
    EXPECT_EQ(f.weight, 400);
}

TEST(FontDeriveTest, SizeChangeIsSubtractedFromTheCharacterHeight) {
    EXPECT_EQ(DeriveFontSize({-13, 400}, 2, 0).height, -15);
    EXPECT_EQ(DeriveFontSize({-13, 400}, -3, 0).height, -10);
    // A positive (cell) height moves the other way, as the plain subtraction says.
    EXPECT_EQ(DeriveFontSize({16, 400}, 2, 0).height, 14);
}

TEST(FontDeriveTest, WeightReplacedOnlyWhenPositiveAndTheSizeChanges) {
    EXPECT_EQ(DeriveFontSize({-13, 400}, 2, 700).weight, 700);
    EXPECT_EQ(DeriveFontSize({-13, 400}, 2, 0).weight, 400);
    EXPECT_EQ(DeriveFontSize({-13, 400}, 2, -1).weight, 400);
}

} // namespace
} // namespace halvane
