#include <gtest/gtest.h>

#include "framework/CenterPlacement.h"

namespace halvane::fw {
namespace {

const IntRect kScreen{0, 0, 1280, 1024};

TEST(CenterPlacementTest, CentresOnTheOwnerWithIntegerHalves) {
    // A 336 x 156 prompt over a 400 x 600 panel at (440, 212).
    const IntPoint p = CenteredTopLeft({0, 0, 336, 156}, {440, 212, 840, 812}, kScreen);
    EXPECT_EQ(p.x, 640 - 168);
    EXPECT_EQ(p.y, 512 - 78);
    // Odd sizes: both halves round toward zero.
    const IntPoint q = CenteredTopLeft({0, 0, 101, 51}, {0, 0, 301, 201}, kScreen);
    EXPECT_EQ(q.x, 150 - 50);
    EXPECT_EQ(q.y, 100 - 25);
}

TEST(CenterPlacementTest, PushedBackInsideTheWorkArea) {
    const IntPoint right = CenteredTopLeft({0, 0, 300, 200}, {1200, 900, 1280, 1024}, kScreen);
    EXPECT_EQ(right.x, 1280 - 300);
    EXPECT_EQ(right.y, 1024 - 200);
    const IntPoint left = CenteredTopLeft({0, 0, 300, 200}, {-50, -40, 10, 10}, kScreen);
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.y, 0);
}

TEST(CenterPlacementTest, TooLargeKeepsTheTopLeftEdgeVisible) {
    const IntPoint p = CenteredTopLeft({0, 0, 2000, 1500}, {0, 0, 1280, 1024}, kScreen);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

} // namespace
} // namespace halvane::fw
