#include <gtest/gtest.h>

#include "controls/ButtonGeometry.h"

namespace halvane {
namespace {

TEST(ButtonGeometryTest, LastColumnAndRowLeftOutOnlyAboveScaleOne) {
    const PixelSize full = FaceSourceSize(26, 34, 1.0f);
    EXPECT_EQ(full.width, 26);
    EXPECT_EQ(full.height, 34);
    const PixelSize smaller = FaceSourceSize(26, 34, 0.75f);
    EXPECT_EQ(smaller.width, 26);
    EXPECT_EQ(smaller.height, 34);
    for (float scale : {1.25f, 1.5f, 2.0f, 1.0000001f}) {
        const PixelSize cut = FaceSourceSize(26, 34, scale);
        EXPECT_EQ(cut.width, 25) << scale;
        EXPECT_EQ(cut.height, 33) << scale;
    }
}

TEST(ButtonGeometryTest, MarginsOfNineShrinkTheHitAreaOnEverySide) {
    const PixelRect hit = ShrinkByMargins(PixelRect{0, 0, 266, 60}, HitMargins{9, 9, 9, 9});
    // Five pixels inside an edge is on the rim, ten pixels inside is on the face.
    EXPECT_FALSE(ContainsPoint(hit, 5, 30));
    EXPECT_FALSE(ContainsPoint(hit, 133, 5));
    EXPECT_FALSE(ContainsPoint(hit, 266 - 5, 30));
    EXPECT_FALSE(ContainsPoint(hit, 133, 60 - 5));
    EXPECT_TRUE(ContainsPoint(hit, 10, 10));
    EXPECT_TRUE(ContainsPoint(hit, 266 - 10, 60 - 10));
}

TEST(ButtonGeometryTest, ContainsLeftAndTopEdgesButNotRightAndBottom) {
    const PixelRect r{9, 9, 257, 51};
    EXPECT_TRUE(ContainsPoint(r, 9, 9));
    EXPECT_FALSE(ContainsPoint(r, 8, 9));
    EXPECT_TRUE(ContainsPoint(r, 256, 50));
    EXPECT_FALSE(ContainsPoint(r, 257, 50));
    EXPECT_FALSE(ContainsPoint(r, 256, 51));
    // Margins wider than the button leave no hit area at all.
    const PixelRect none = ShrinkByMargins(PixelRect{0, 0, 10, 10}, HitMargins{6, 6, 6, 6});
    EXPECT_FALSE(ContainsPoint(none, 5, 5));
}

} // namespace
} // namespace halvane
