#include <gtest/gtest.h>

#include <string>

#include "controls/StateDots.h"
#include "controls/TextLayout.h"

namespace halvane {
namespace {

struct Expected {
    int mode;
    bool centredBlock;
    unsigned measure;
    unsigned draw;
};

TEST(TextLayoutTest, DrawTextStaticModes) {
    const Expected table[] = {
        {0, true, 0x610, 0x214}, {1, false, 0, 0x224},      {2, false, 0, 0x225},
        {3, true, 0x610, 0x216}, {4, false, 0, 0x224},      {5, true, 0x610, 0x215},
        {6, false, 0, 0x210},    {7, true, 0x2610, 0x2210},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.mode);
        const TextLayout layout = DrawTextLayout(e.mode);
        EXPECT_TRUE(layout.drawsText);
        EXPECT_EQ(layout.centredBlock, e.centredBlock);
        if (e.centredBlock)
            EXPECT_EQ(layout.measureFormat, e.measure);
        EXPECT_EQ(layout.drawFormat, e.draw);
    }
    for (int mode : {-1, 8, 100}) {
        SCOPED_TRACE(mode);
        EXPECT_FALSE(DrawTextLayout(mode).drawsText);
    }
}

TEST(TextLayoutTest, StateInfoModesFallBackToOneLineLeft) {
    const Expected table[] = {
        {1, false, 0, 0x24},    {2, false, 0, 0x25},    {3, false, 0, 0x26},
        {4, true, 0x410, 0x14}, {5, true, 0x410, 0x15}, {6, true, 0x410, 0x16},
        {0, false, 0, 0x24},    {7, false, 0, 0x24},    {-5, false, 0, 0x24},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.mode);
        const TextLayout layout = StateInfoLayout(e.mode);
        EXPECT_TRUE(layout.drawsText);
        EXPECT_EQ(layout.centredBlock, e.centredBlock);
        if (e.centredBlock)
            EXPECT_EQ(layout.measureFormat, e.measure);
        EXPECT_EQ(layout.drawFormat, e.draw);
    }
}

TEST(TextLayoutTest, CentredBlockTop) {
    EXPECT_EQ(CentredBlockTop(0, 40, 24), 8); // two 12-pixel lines in 40 pixels
    EXPECT_EQ(CentredBlockTop(0, 40, 12), 14);
    EXPECT_EQ(CentredBlockTop(5, 40, 25), 12); // odd room: truncated
    EXPECT_EQ(CentredBlockTop(0, 40, 40), 0);
    // Taller than the client: moved up, the division truncated toward zero.
    EXPECT_EQ(CentredBlockTop(0, 40, 60), -10);
    EXPECT_EQ(CentredBlockTop(0, 40, 43), -1);
    EXPECT_EQ(CentredBlockTop(10, 0, 0), 10);
}

TEST(StateDotsTest, CountsCycleThroughFourStates) {
    int count = 0;
    std::wstring seen;
    for (int tick = 0; tick < 9; ++tick) {
        seen += DotsFor(count);
        seen += L'|';
        count = NextDotCount(count);
    }
    EXPECT_EQ(seen, L"|.|..|...||.|..|...||");
    // A count out of range shows nothing and starts over.
    EXPECT_STREQ(DotsFor(4), L"");
    EXPECT_STREQ(DotsFor(-1), L"");
    EXPECT_EQ(NextDotCount(7), 0);
    EXPECT_EQ(NextDotCount(-2), 0);
}

} // namespace
} // namespace halvane
