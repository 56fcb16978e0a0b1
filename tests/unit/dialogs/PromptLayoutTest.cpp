#include <gtest/gtest.h>

#include "dialogs/PromptLayout.h"
#include "res/resource.h"

namespace halvane {
namespace {

using fw::IntRect;

std::tuple<int, int, int, int> Tie(const IntRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(PromptLayoutTest, TypeThreeAtScaleOne) {
    const PromptLayout l = ComputePromptLayout(326, 146, 1.0f, 3);
    EXPECT_EQ(Tie(l.ok), std::make_tuple(135, 107, 190, 131));
    EXPECT_EQ(Tie(l.close), std::make_tuple(300, 8, 312, 20));
    EXPECT_EQ(Tie(l.message), std::make_tuple(10, 30, 316, 106));
    EXPECT_FALSE(l.buttons.cancelShown);
    EXPECT_EQ(l.buttons.ok.normal, IDB_PROMPT_CONFIRM_NORMAL);
    EXPECT_EQ(l.buttons.cancel.normal, IDB_PROMPT_CANCEL_NORMAL);
}

TEST(PromptLayoutTest, TypeTwoShowsBothButtonsAtTheirPlaces) {
    const PromptLayout l = ComputePromptLayout(326, 146, 1.0f, 2);
    EXPECT_EQ(Tie(l.ok), std::make_tuple(96, 107, 151, 131));
    EXPECT_EQ(Tie(l.cancel), std::make_tuple(175, 107, 230, 131));
    EXPECT_TRUE(l.buttons.cancelShown);
    EXPECT_EQ(l.buttons.ok.normal, IDB_PROMPT_YES_NORMAL);
    EXPECT_EQ(l.buttons.cancel.normal, IDB_PROMPT_NO_NORMAL);
}

TEST(PromptLayoutTest, ButtonSetsOfEveryType) {
    struct Case {
        int type;
        int okNormal;
        bool cancelShown;
        bool centred;
    };
    const Case cases[] = {
        {1, IDB_PROMPT_YES_NORMAL, false, true},     {2, IDB_PROMPT_YES_NORMAL, true, false},
        {3, IDB_PROMPT_CONFIRM_NORMAL, false, true}, {4, IDB_PROMPT_CONFIRM_NORMAL, true, false},
        {0, IDB_PROMPT_YES_NORMAL, false, false},    {5, IDB_PROMPT_YES_NORMAL, false, false},
        {-3, IDB_PROMPT_YES_NORMAL, false, false},
    };
    for (const Case& c : cases) {
        const PromptButtonSet set = PromptButtonsFor(c.type);
        EXPECT_EQ(set.ok.normal, c.okNormal) << c.type;
        EXPECT_EQ(set.cancelShown, c.cancelShown) << c.type;
        EXPECT_EQ(set.okCentred, c.centred) << c.type;
        // Three pictures each: the pressed one doubles as the disabled one.
        EXPECT_EQ(set.ok.hover, set.ok.normal + 1) << c.type;
        EXPECT_EQ(set.ok.pressed, set.ok.normal + 2) << c.type;
        EXPECT_EQ(set.ok.disabled, set.ok.pressed) << c.type;
        EXPECT_EQ(set.cancel.disabled, set.cancel.normal + 2) << c.type;
    }
}

TEST(PromptLayoutTest, TypeOutsideOneToFourKeepsOkAtItsLeftPlace) {
    const PromptLayout l = ComputePromptLayout(326, 146, 1.0f, 9);
    EXPECT_EQ(Tie(l.ok), std::make_tuple(96, 107, 151, 131));
    EXPECT_FALSE(l.buttons.cancelShown);
}

TEST(PromptLayoutTest, ScaledLayoutTruncatesEachProduct) {
    // The inner at 1.5 after the outer's move: 490 x 220.
    const PromptLayout l = ComputePromptLayout(490, 220, 1.5f, 2);
    EXPECT_EQ(Tie(l.close), std::make_tuple(451, 12, 469, 30));
    // 245 - 82.5 - 18 = 144.5 and 245 + 18 = 263; 55 * 1.5 = 82.5 wide, 24 * 1.5 = 36 high.
    EXPECT_EQ(Tie(l.ok), std::make_tuple(144, 160, 226, 196));
    EXPECT_EQ(Tie(l.cancel), std::make_tuple(263, 160, 345, 196));
    EXPECT_EQ(Tie(l.message), std::make_tuple(15, 45, 475, 160));

    // Centred: 245 - 41.25 = 203.75.
    EXPECT_EQ(Tie(ComputePromptLayout(490, 220, 1.5f, 1).ok), std::make_tuple(203, 160, 285, 196));
    // An odd width halves downward first: 327 / 2 = 163.
    EXPECT_EQ(ComputePromptLayout(327, 146, 1.0f, 3).ok.left, 135);
}

TEST(PromptLayoutTest, ScaleTwo) {
    const PromptLayout l = ComputePromptLayout(652, 292, 2.0f, 3);
    EXPECT_EQ(Tie(l.close), std::make_tuple(600, 16, 624, 40));
    EXPECT_EQ(Tie(l.ok), std::make_tuple(271, 214, 381, 262));
    EXPECT_EQ(Tie(l.message), std::make_tuple(20, 60, 632, 212));
}

} // namespace
} // namespace halvane
