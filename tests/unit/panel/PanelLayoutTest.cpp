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
    float scale;
    IntRect client;
    int charWidth, feedbackTextWidth;
    // close, minimise, version, list, set, more tools, its image part, consent, agreement, feedback
    IntRect rects[10];
    IntRect promptLine;
};

// Scale 1: the skin's own places. 2: doubled, "更多工具" on the scaled branch with its image
// part at scale 1. 1.5: every truncation (46.8, 89.7, 22.5, 52.5, 82.5, 37.5) shows.
const LayoutCase kCases[] = {
    {1.0f, {0, 0, 400, 600}, 13, 52,
     {{368, 0, 394, 34}, {340, 0, 366, 34}, {188, 16, 288, 31}, {40, 265, 360, 285},
      {77, 309, 323, 356}, {50, 545, 108, 563}, {50, 545, 108, 563}, {8, 575, 52, 595},
      {58, 575, 58 + 182, 595}, {400 - 64 - 6, 575, 394, 595}},
     {40, 240, 360, 260}},
    {2.0f, {0, 0, 800, 1200}, 26, 104,
     {{737, 0, 789, 68}, {680, 0, 732, 68}, {376, 32, 576, 62}, {80, 530, 720, 570},
      {154, 618, 646, 712}, {100, 1090, 216, 1126}, {50, 545, 108, 563}, {16, 1150, 102, 1190},
      {108, 1150, 108 + 364, 1190}, {800 - 120 - 6, 1150, 794, 1190}},
     {80, 480, 720, 520}},
    {1.5f, {0, 0, 600, 900}, 19, 78,
     {{553, 0, 592, 51}, {510, 0, 549, 51}, {282, 24, 432, 46}, {60, 397, 540, 427},
      {115, 463, 484, 533}, {75, 818, 162, 845}, {50, 545, 108, 563}, {12, 862, 76, 892},
      {82, 862, 82 + 266, 892}, {600 - 92 - 6, 862, 594, 892}},
     {60, 360, 540, 390}},
};

TEST(LayoutPanel, EveryControlAndThePromptLineAtScales1And2And1Point5) {
    for (const LayoutCase& c : kCases) {
        SCOPED_TRACE(c.scale);
        const PanelLayout p = LayoutPanel(c.client, c.scale, c.charWidth, c.feedbackTextWidth);
        const IntRect got[] = {p.close,     p.minimise,       p.versionText, p.modeList,
                               p.setButton, p.moreTools,      p.moreToolsImage,
                               p.consentBox, p.agreementLink, p.feedbackLink};
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(got[i], c.rects[i]) << "control " << i;
        EXPECT_EQ(PromptLineRect(c.client, c.scale), c.promptLine);
    }
}

TEST(LayoutPanel, SkinWidthKeepsMoreToolsUnscaledAndTheEdgesAreFollowed) {
    // No wider than the skin: 50 from the left, 55 from the bottom, its own rectangle as image.
    const PanelLayout narrow = LayoutPanel({10, 20, 410, 520}, 2.0f, 13, 52);
    EXPECT_EQ(narrow.moreTools, (IntRect{60, 465, 118, 483}));
    EXPECT_EQ(narrow.moreToolsImage, narrow.moreTools);
    EXPECT_EQ(narrow.versionText.left, 376 + 10);
    EXPECT_EQ(narrow.modeList.top, 530 + 20);
    EXPECT_EQ(narrow.close.top, 20);
    // The consent box keeps its left edge; its line follows the bottom.
    EXPECT_EQ(narrow.consentBox.left, 16);
    EXPECT_EQ(narrow.consentBox.top, 470);
}

TEST(PanelGeometry, AgreementPopup) {
    EXPECT_EQ(AgreementPopupRect({100, 200, 500, 800}, 1.0f), (IntRect{102, 308, 500, 780}));
    EXPECT_EQ(AgreementPopupRect({100, 200, 900, 1400}, 2.0f), (IntRect{104, 416, 900, 1360}));
    // 1.5: x 103, y 362, width 600 - 3, height 900 - 192.
    EXPECT_EQ(AgreementPopupRect({100, 200, 700, 1100}, 1.5f), (IntRect{103, 362, 700, 1070}));
}

} // namespace
} // namespace halvane
