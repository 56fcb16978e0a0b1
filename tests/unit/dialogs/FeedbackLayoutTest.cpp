#include <gtest/gtest.h>

#include <tuple>

#include "dialogs/FeedbackAnswer.h"
#include "dialogs/FeedbackLayout.h"

namespace halvane {
namespace {

using Box = std::tuple<int, int, int, int>;

Box Tie(const fw::IntRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

constexpr Box kSolvedBk{67, 154, 333, 214}, kUnsolvedBk{67, 234, 333, 294},
    kMoreBk{67, 314, 333, 374};

TEST(FeedbackLayoutTest, TableOfClientSizesAndScales) {
    const struct {
        fw::IntRect client;
        float scale;
        Box close, solved, unsolved, more;
        int hitMargin;
        bool fixedBk; // else each button shows the background under its own rectangle
    } cases[] = {
        // The skin's size: up to 400 wide the buttons are centred at their scale-1 size.
        {{0, 0, 400, 468}, 1.0f, {382, 6, 394, 18}, kSolvedBk, kUnsolvedBk, kMoreBk, 9, false},
        {{0, 0, 400, 468}, 2.0f, {364, 12, 388, 36}, kSolvedBk, kUnsolvedBk, kMoreBk, 9, false},
        // Above 400: scaled offsets, fixed background pieces, scaled margins.
        {{0, 0, 401, 468}, 1.0f, {383, 6, 395, 18}, kSolvedBk, kUnsolvedBk, kMoreBk, 9, true},
        {{0, 0, 800, 936},
         2.0f,
         {764, 12, 788, 36},
         {134, 308, 666, 428},
         {134, 468, 666, 588},
         {134, 628, 666, 748},
         18,
         true},
        // Each product is cut on its own: 200 * 1.5 - 133 * 1.5 = 100.5 but 300 - 199 = 101.
        {{0, 0, 600, 702},
         1.5f,
         {573, 9, 591, 27},
         {100, 231, 499, 321},
         {101, 351, 500, 441},
         {101, 471, 500, 561},
         13,
         true},
        // A narrow client away from the origin is centred on its own halves.
        {{10, 20, 311, 421},
         2.0f,
         {275, 32, 299, 56},
         {27, 140, 293, 200},
         {27, 220, 293, 280},
         {27, 300, 293, 360},
         9,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.client.right << " x " << c.client.bottom << " at " << c.scale);
        const FeedbackLayout l = ComputeFeedbackLayout(c.client, c.scale);
        EXPECT_EQ(Tie(l.close), c.close);
        EXPECT_EQ(Tie(l.solved), c.solved);
        EXPECT_EQ(Tie(l.unsolved), c.unsolved);
        EXPECT_EQ(Tie(l.more), c.more);
        EXPECT_EQ(Tie(l.solvedBk), c.fixedBk ? kSolvedBk : c.solved);
        EXPECT_EQ(Tie(l.unsolvedBk), c.fixedBk ? kUnsolvedBk : c.unsolved);
        EXPECT_EQ(Tie(l.moreBk), c.fixedBk ? kMoreBk : c.more);
        EXPECT_EQ(l.hitMargin, c.hitMargin);
    }
}

TEST(FeedbackAnswerTest, TimeTextIsTheLowThirtyTwoBitsSigned) {
    const std::pair<long long, const wchar_t*> cases[] = {
        {0, L"0"},
        {1765000000, L"1765000000"},
        {2147483647, L"2147483647"},
        {-5, L"-5"},
        {2147483648LL, L"-2147483648"}, // 2038: the low half's sign bit
        {4294967295LL, L"-1"},
        {4294967296LL + 42, L"42"}, // the high half is dropped
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_STREQ(FormatFeedbackTime(seconds).text, text) << seconds;
}

} // namespace
} // namespace halvane
