#include "panel/PanelLayout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace halvane::fw {
bool operator==(const IntRect& a, const IntRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
std::ostream& operator<<(std::ostream& out, const IntRect& r) {
    return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}
} // namespace halvane::fw

namespace halvane {
namespace {

using fw::IntRect;

struct LayoutCase {
    const char* name;
    float scale;
    IntRect client;
    int charWidth;
    int feedbackTextWidth;
    PanelLayout expected;
    IntRect promptLine;
};

// Scale 1: the skin's own places. Scale 2: everything doubled, "更多工具" on the scaled branch
// (its image part stays at scale 1). Scale 1.5: truncation of 31.2s, 59.8s and 2c terms.
const LayoutCase kCases[] = {
    {"scale 1, 400 x 600", 1.0f, {0, 0, 400, 600}, 13, 52,
     {{368, 0, 394, 34},
      {340, 0, 366, 34},
      {188, 16, 288, 31},
      {40, 265, 360, 285},
      {77, 309, 323, 356},
      {50, 545, 108, 563},
      {50, 545, 108, 563},
      {8, 575, 8 + 16 + 26 + 2, 595},
      {52 + 6, 575, 58 + 14 * 13, 595},
      {400 - (52 + 4 + 2 + 6) - 6, 575, 394, 595}},
     {40, 240, 360, 260}},
    {"scale 2, 800 x 1200", 2.0f, {0, 0, 800, 1200}, 26, 104,
     {{737, 0, 789, 68},   // 800 - 62.4 = 737.6
      {680, 0, 732, 68},   // 800 - 119.6 = 680.4
      {376, 32, 576, 62},
      {80, 530, 720, 570},
      {154, 618, 646, 712},
      {100, 1090, 216, 1126},
      {50, 545, 108, 563},
      {16, 1150, 16 + 32 + 52 + 2, 1190},
      {102 + 6, 1150, 108 + 14 * 26, 1190},
      {800 - (104 + 8 + 2 + 6) - 6, 1150, 794, 1190}},
     {80, 480, 720, 520}},
    {"scale 1.5, 600 x 900", 1.5f, {0, 0, 600, 900}, 19, 78,
     {{553, 0, 592, 51},   // 600 - 46.8 = 553.2
      {510, 0, 549, 51},   // 600 - 89.7 = 510.3
      {282, 24, 432, 46},  // 15 * 1.5 = 22.5
      {60, 397, 540, 427}, // 450 - 52.5 = 397.5
      {115, 463, 484, 533},
      {75, 818, 162, 845}, // 900 - 82.5 = 817.5: int(82.5) = 82
      {50, 545, 108, 563},
      {12, 862, 12 + 24 + 38 + 2, 892}, // 900 - 37.5 = 862.5
      {76 + 6, 862, 82 + 14 * 19, 892},
      {600 - (78 + 6 + 2 + 6) - 6, 862, 594, 892}},
     {60, 360, 540, 390}},
};

TEST(LayoutPanel, EveryControlAtTheGivenScales) {
    for (const LayoutCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const PanelLayout got = LayoutPanel(c.client, c.scale, c.charWidth, c.feedbackTextWidth);
        EXPECT_EQ(got.close, c.expected.close);
        EXPECT_EQ(got.minimise, c.expected.minimise);
        EXPECT_EQ(got.versionText, c.expected.versionText);
        EXPECT_EQ(got.modeList, c.expected.modeList);
        EXPECT_EQ(got.setButton, c.expected.setButton);
        EXPECT_EQ(got.moreTools, c.expected.moreTools);
        EXPECT_EQ(got.moreToolsImage, c.expected.moreToolsImage);
        EXPECT_EQ(got.consentBox, c.expected.consentBox);
        EXPECT_EQ(got.agreementLink, c.expected.agreementLink);
        EXPECT_EQ(got.feedbackLink, c.expected.feedbackLink);
        EXPECT_EQ(PromptLineRect(c.client, c.scale), c.promptLine);
    }
}

TEST(LayoutPanel, NarrowOrOffsetClientKeepsMoreToolsUnscaledAndFollowsTheEdges) {
    // A panel no wider than the skin keeps "更多工具" at 50 px from the left, 55 from the bottom,
    // and draws the image under its own rectangle, whatever the scale.
    const PanelLayout narrow = LayoutPanel({10, 20, 410, 520}, 2.0f, 13, 52);
    EXPECT_EQ(narrow.moreTools, (IntRect{60, 465, 118, 483}));
    EXPECT_EQ(narrow.moreToolsImage, narrow.moreTools);
    EXPECT_EQ(narrow.versionText.left, 376 + 10);
    EXPECT_EQ(narrow.modeList.top, 530 + 20);
    // The consent box does not follow the client's left edge; its line follows the bottom.
    EXPECT_EQ(narrow.consentBox.left, 16);
    EXPECT_EQ(narrow.consentBox.top, 470);
    EXPECT_EQ(narrow.close.top, 20);
}

TEST(PanelGeometry, DragStripAndAgreementPopup) {
    EXPECT_EQ(DragStripRect({100, 200, 500, 800}, 1.0f), (IntRect{100, 200, 414, 230}));
    EXPECT_EQ(DragStripRect({100, 200, 900, 1400}, 2.0f), (IntRect{100, 200, 728, 260}));
    EXPECT_EQ(DragStripRect({0, 0, 600, 900}, 1.5f), (IntRect{0, 0, 471, 45}));

    EXPECT_EQ(AgreementPopupRect({100, 200, 500, 800}, 1.0f), (IntRect{102, 308, 102 + 398, 308 + 472}));
    EXPECT_EQ(AgreementPopupRect({100, 200, 900, 1400}, 2.0f),
              (IntRect{104, 416, 104 + 796, 416 + 944}));
    // 1.5: x 103, y 200 + 162, width 600 - 3, height 900 - 192.
    EXPECT_EQ(AgreementPopupRect({100, 200, 700, 1100}, 1.5f),
              (IntRect{103, 362, 103 + 597, 362 + 708}));
}

} // namespace
} // namespace halvane
