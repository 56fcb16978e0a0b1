// The toolkit's own logic: what a rectangle mismatch reports, and pixels that come back in the
// colour and at the place they were drawn.
#include <gtest/gtest.h>

#include <string>

#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "win/support/Capture.h"
#include "win/support/MainWindowTest.h"
#include "win/support/Rects.h"

namespace halvane::test {
namespace {

TEST(ToolkitTest, RectMismatchNamesTheDifferingEdgesAndShowsBothRectangles) {
    const struct {
        RECT actual;
        RECT expected;
        const char* message; // empty: the rectangles are equal
    } cases[] = {
        {{1, 2, 3, 4}, {1, 2, 3, 4}, ""},
        {{1, 2, 3, 4},
         {0, 2, 3, 5},
         "r is (1, 2)-(3, 4)\n  expected (0, 2)-(3, 5) (e)\n  differs at left, bottom"},
        {{-5, 2, 30, 4},
         {-5, 7, 31, 4},
         "r is (-5, 2)-(30, 4)\n  expected (-5, 7)-(31, 4) (e)\n  differs at top, right"},
    };
    for (const auto& c : cases) {
        const ::testing::AssertionResult result = RectsEqual("r", "e", c.actual, c.expected);
        EXPECT_EQ(static_cast<bool>(result), c.message[0] == '\0') << c.message;
        EXPECT_EQ(std::string(result.message()), c.message);
    }
    EXPECT_RECT(MakeRect(1, 2, 3, 4), 1, 2, 3, 4) << "the five-argument form";
    EXPECT_RECT(MakeRect(1, 2, 3, 4), RECT{1, 2, 3, 4});
}

TEST(ToolkitTest, SurfaceReadsBackColoursAndPlaces) {
    DibSurface surface(40, 30);
    ASSERT_TRUE(surface.IsValid());
    const COLORREF orange = RGB(250, 120, 10); // red and blue apart: a swapped order shows
    const RECT all{0, 0, 40, 30}, patch{5, 6, 15, 26};
    ::FillRect(surface.Dc(), &all, CBrush(RGB(255, 255, 255)));
    ::FillRect(surface.Dc(), &patch, CBrush(orange));
    const Pixels pixels = surface.Read();
    EXPECT_EQ(pixels.Width(), 40);
    EXPECT_EQ(pixels.Height(), 30);
    EXPECT_EQ(pixels.At(5, 6), orange);
    EXPECT_EQ(pixels.Count(orange), 10 * 20);
    EXPECT_EQ(pixels.At(40, 0), CLR_INVALID);
    const Ink ink = InkOf(pixels, RGB(255, 255, 255));
    EXPECT_RECT(MakeRect(ink.left, ink.top, ink.right, ink.bottom), 5, 6, 14, 25);
    EXPECT_TRUE(Near(RGB(10, 20, 30), RGB(16, 14, 36)));
    EXPECT_FALSE(Near(RGB(10, 20, 30), RGB(10, 20, 37)));
}

TEST(ToolkitTest, CaptureClientShowsWhatTheScreenShows) {
    CWnd window;
    ASSERT_TRUE(CreatePopup(window, RECT{50, 50, 170, 130}, true));
    ::UpdateWindow(window.GetSafeHwnd());
    const RECT client = ClientRectOf(window.GetSafeHwnd());
    {
        const CClientDC dc(window.GetSafeHwnd());
        ::FillRect(dc, &client, CBrush(RGB(0, 90, 200)));
    }
    const Pixels shot = CaptureClient(window.GetSafeHwnd());
    EXPECT_EQ(shot.Width(), client.right);
    EXPECT_EQ(shot.Height(), client.bottom);
    EXPECT_EQ(shot.Count(RGB(0, 90, 200)), client.right * client.bottom);
    window.DestroyWindow();
}

} // namespace
} // namespace halvane::test
