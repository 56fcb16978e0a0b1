#include <gtest/gtest.h>

#include <tuple>

#include "dialogs/FeedbackAnswer.h"
#include "dialogs/FeedbackLayout.h"

namespace halvane {
namespace {

using fw::IntRect;
using Box = std::tuple<int, int, int, int>;

Box Tie(const IntRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

struct LayoutCase {
    const char* name;
    IntRect client;
    float scale;
    Box close, solved, unsolved, more;
    Box solvedBk, unsolvedBk, moreBk;
    int hitMargin;
};

// clang-format off
const LayoutCase kLayoutCases[] = {
    // The skin's own size: up to 400 wide the buttons centre at scale-1 size and show the
    // background under themselves.
    {"scale 1", {0, 0, 400, 468}, 1.0f,
     {382, 6, 394, 18}, {67, 154, 333, 214}, {67, 234, 333, 294}, {67, 314, 333, 374},
     {67, 154, 333, 214}, {67, 234, 333, 294}, {67, 314, 333, 374}, 9},
    // 800 wide: the scaled branch, fixed background pieces, scaled margins.
    {"scale 2", {0, 0, 800, 936}, 2.0f,
     {764, 12, 788, 36}, {134, 308, 666, 428}, {134, 468, 666, 588}, {134, 628, 666, 748},
     {67, 154, 333, 214}, {67, 234, 333, 294}, {67, 314, 333, 374}, 18},
    // 1.5: each product is cut on its own (80 * 1.5 = 120, 133 * 1.5 = 199.5).
    {"scale 1.5", {0, 0, 600, 702}, 1.5f,
     {573, 9, 591, 27}, {100, 231, 499, 321}, {101, 351, 500, 441}, {101, 471, 500, 561},
     {67, 154, 333, 214}, {67, 234, 333, 294}, {67, 314, 333, 374}, 13},
    // A narrow client away from the origin: centred on its own halves, the scale ignored for
    // the answer buttons but not for the close button.
    {"narrow, offset", {10, 20, 311, 421}, 2.0f,
     {275, 32, 299, 56}, {27, 140, 293, 200}, {27, 220, 293, 280}, {27, 300, 293, 360},
     {27, 140, 293, 200}, {27, 220, 293, 280}, {27, 300, 293, 360}, 9},
};
// clang-format on

TEST(FeedbackLayoutTest, TableOfClientSizesAndScales) {
    for (const LayoutCase& c : kLayoutCases) {
        SCOPED_TRACE(c.name);
        const FeedbackLayout l = ComputeFeedbackLayout(c.client, c.scale);
        EXPECT_EQ(Tie(l.close), c.close);
        EXPECT_EQ(Tie(l.solved), c.solved);
        EXPECT_EQ(Tie(l.unsolved), c.unsolved);
        EXPECT_EQ(Tie(l.more), c.more);
        EXPECT_EQ(Tie(l.solvedBk), c.solvedBk);
        EXPECT_EQ(Tie(l.unsolvedBk), c.unsolvedBk);
        EXPECT_EQ(Tie(l.moreBk), c.moreBk);
        EXPECT_EQ(l.hitMargin, c.hitMargin);
    }
}

TEST(FeedbackLayoutTest, WidthFourHundredStillTakesTheCentredBranch) {
    // Scale 2 with a 400-wide client: the centred branch, margins 9 whatever the scale.
    const FeedbackLayout l = ComputeFeedbackLayout({0, 0, 400, 468}, 2.0f);
    EXPECT_EQ(Tie(l.solved), Box(67, 154, 333, 214));
    EXPECT_EQ(l.hitMargin, 9);
    const FeedbackLayout wider = ComputeFeedbackLayout({0, 0, 401, 468}, 1.0f);
    EXPECT_EQ(Tie(wider.solved), Box(67, 154, 333, 214));
    EXPECT_EQ(Tie(wider.solvedBk), Box(67, 154, 333, 214));
    EXPECT_EQ(Tie(wider.close), Box(383, 6, 395, 18));
}

TEST(FeedbackAnswerTest, TimeTextIsTheLowThirtyTwoBitsSigned) {
    const struct {
        long long seconds;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"},
        {7, L"7"},
        {1765000000, L"1765000000"},
        {2147483647, L"2147483647"},
        {2147483648LL, L"-2147483648"}, // 2038: the sign bit of the low half
        {4294967295LL, L"-1"},
        {4294967296LL + 42, L"42"}, // the high half is dropped
        {-5, L"-5"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(FormatFeedbackTime(c.seconds).text, c.text) << c.seconds;
}

} // namespace
} // namespace halvane
