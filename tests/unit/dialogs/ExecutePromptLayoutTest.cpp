#include <gtest/gtest.h>

#include "dialogs/ExecutePromptLayout.h"

namespace halvane {
namespace {

TEST(ExecutePromptLayoutTest, ShortTextsFallBack) {
    EXPECT_EQ(StateTextFor(L""), L"正在修复，请稍等");
    EXPECT_EQ(StateTextFor(L"改"), L"正在修复，请稍等");
    EXPECT_EQ(StateTextFor(L"修改"), L"修改");
    EXPECT_EQ(StateTextFor(L"正在修改，请稍等"), L"正在修改，请稍等");
}

TEST(ExecutePromptLayoutTest, TextBandAtScaleOneLiesOverItsBackgroundPart) {
    const fw::IntRect r = StateTextRect({0, 0, 204, 104}, 1.0f);
    EXPECT_EQ(r.left, kStateTextBkRect.left);
    EXPECT_EQ(r.top, kStateTextBkRect.top);
    EXPECT_EQ(r.right, kStateTextBkRect.right);
    EXPECT_EQ(r.bottom, kStateTextBkRect.bottom);
}

TEST(ExecutePromptLayoutTest, ScaledBand) {
    // Scale 2: the inner is 408 x 208; 104 - 40 = 64, 64 + 80 = 144.
    fw::IntRect r = StateTextRect({0, 0, 408, 208}, 2.0f);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 64);
    EXPECT_EQ(r.right, 388);
    EXPECT_EQ(r.bottom, 144);
    // Scale 1.5 on an odd height: 155 / 2 = 77, 77 - 30 = 47, 47 + 60 = 107; 306 - 15 = 291.
    r = StateTextRect({0, 0, 306, 155}, 1.5f);
    EXPECT_EQ(r.left, 15);
    EXPECT_EQ(r.top, 47);
    EXPECT_EQ(r.right, 291);
    EXPECT_EQ(r.bottom, 107);
    // Scale 1.25: 12.5 in from the left and the right; 52 - 25 = 27, 27 + 50 = 77.
    r = StateTextRect({0, 0, 255, 104}, 1.25f);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.right, 242);
    EXPECT_EQ(r.top, 27);
    EXPECT_EQ(r.bottom, 77);
}

} // namespace
} // namespace halvane
