#include "framework/DisplayScale.h"

#include <gtest/gtest.h>

namespace halvane::fw {
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
    // Windows that keep their own scale at ordinary DPI ask the same threshold.
    EXPECT_FALSE(DpiAsksForScale(100));
    EXPECT_TRUE(DpiAsksForScale(101));
}

} // namespace
} // namespace halvane::fw
