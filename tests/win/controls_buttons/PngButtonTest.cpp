// CPngButton in the panel's template: the close button with its real images 141-144, driven by
// messages and read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "ButtonTestSupport.h"
#include "TestResources.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

constexpr int kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3;

class PngButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParkCursor();
        ASSERT_TRUE(m_host.Open());
        m_window = m_host.m_close.GetSafeHwnd();
        m_host.m_close.MoveWindow(10, 60, 26, 34);
        m_points = TellApartPoints(m_faces, 6);
        ASSERT_FALSE(m_points.empty()) << "the four close-button images must differ";
    }
    void TearDown() override {
        m_host.m_close.ReleasePngImages();
        m_host.DestroyWindow();
        PumpPending();
    }
    void LoadAll() {
        m_host.m_close.SetPngImages(IDB_PANEL_CLOSE_NORMAL, IDB_PANEL_CLOSE_HOVER,
                                    IDB_PANEL_CLOSE_PRESSED, IDB_PANEL_CLOSE_DISABLED);
    }
    int Shows(const Pixels& shot) const { return WhichImage(shot, {0, 0}, m_faces, m_points); }
    static TRACKMOUSEEVENT Tracking() {
        TRACKMOUSEEVENT query{};
        query.cbSize = sizeof(query);
        query.dwFlags = TME_QUERY;
        ::TrackMouseEvent(&query);
        return query;
    }

    HostDialog m_host;
    HWND m_window = nullptr;
    Pixels m_normal = PngPixels(IDB_PANEL_CLOSE_NORMAL), m_hover = PngPixels(IDB_PANEL_CLOSE_HOVER),
           m_pressed = PngPixels(IDB_PANEL_CLOSE_PRESSED),
           m_disabled = PngPixels(IDB_PANEL_CLOSE_DISABLED);
    std::vector<const Pixels*> m_faces{&m_normal, &m_hover, &m_pressed, &m_disabled};
    std::vector<POINT> m_points;
};

TEST_F(PngButtonTest, EachStateIsDrawnFromItsOwnImage) {
    LoadAll();
    EXPECT_EQ(Shows(Redrawn(m_window)), kNormal);
    SendMouse(m_window, WM_MOUSEHOVER, 5, 5);
    EXPECT_EQ(Shows(Painted(m_window)), kHover);
    SendMouse(m_window, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(Shows(Painted(m_window)), kPressed);
    m_host.m_close.EnableWindow(FALSE);
    EXPECT_EQ(Shows(Redrawn(m_window)), kDisabled);
}

TEST_F(PngButtonTest, DisabledImageWhateverTheStateAndTheStateBackOnEnable) {
    LoadAll();
    struct Case {
        UINT message; // brings the state to `look` before the button is disabled
        int look;
    };
    for (const Case& c : {Case{WM_MOUSELEAVE, kNormal}, Case{WM_MOUSEHOVER, kHover},
                          Case{WM_LBUTTONDOWN, kPressed}}) {
        SendMouse(m_window, c.message, 5, 5);
        m_host.m_close.EnableWindow(FALSE);
        EXPECT_EQ(Shows(Redrawn(m_window)), kDisabled) << c.look;
        // Pointer messages while disabled change nothing.
        SendMouse(m_window, WM_MOUSEHOVER, 5, 5);
        SendMouse(m_window, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(Shows(Redrawn(m_window)), kDisabled) << c.look;
        m_host.m_close.EnableWindow(TRUE);
        EXPECT_EQ(Shows(Redrawn(m_window)), c.look);
        SendMouse(m_window, WM_LBUTTONUP, 5, 5);
    }
}

TEST_F(PngButtonTest, ReleaseAfterPressShowsHoverUntilThePointerLeaves) {
    LoadAll();
    SendMouse(m_window, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(Shows(Painted(m_window)), kPressed);
    // Released far outside the button: still the hover look.
    SendMouse(m_window, WM_LBUTTONUP, -40, -40);
    EXPECT_EQ(Shows(Painted(m_window)), kHover);
    SendMouse(m_window, WM_MOUSEMOVE, -40, -40);
    EXPECT_EQ(Shows(Painted(m_window)), kHover);
    ::SendMessageW(m_window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Shows(Painted(m_window)), kNormal);
}

TEST_F(PngButtonTest, NothingIsDrawnWhileOneOfTheFourImagesIsMissing) {
    m_host.m_close.SetPngImages(IDB_PANEL_CLOSE_NORMAL, IDB_PANEL_CLOSE_HOVER, IDP_MISSING,
                                IDB_PANEL_CLOSE_DISABLED);
    Smear(m_window, RGB(0, 0, 0));
    auto allMagenta = [](const Pixels& shot) {
        for (int y = 0; y < shot.Height(); ++y) {
            for (int x = 0; x < shot.Width(); ++x) {
                if (shot.At(x, y) != kMagenta)
                    return false;
            }
        }
        return true;
    };
    // Only the platform's own erase (the parent's WM_CTLCOLORBTN brush) reaches the screen.
    EXPECT_TRUE(allMagenta(Redrawn(m_window)));
    SendMouse(m_window, WM_MOUSEHOVER, 5, 5);
    EXPECT_TRUE(allMagenta(Redrawn(m_window)));
    // A missing id leaves its slot as it was: the three loaded ones stay, the fourth completes.
    m_host.m_close.SetPngImages(IDP_MISSING, IDP_MISSING, IDB_PANEL_CLOSE_PRESSED, IDP_MISSING);
    EXPECT_EQ(Shows(Redrawn(m_window)), kHover);
    m_host.m_close.ReleasePngImages();
    EXPECT_TRUE(allMagenta(Redrawn(m_window)));
}

TEST_F(PngButtonTest, LastColumnAndRowAreLeftOutAboveScaleOne) {
    // 4 x 4 blue with a red last column and row, stretched ten times. With the whole image the
    // red band covers the last quarter; without its last column and row the three blue ones
    // spread over the button and only the interpolation at the very edge brings in some red.
    m_host.m_close.SetPngImages(IDP_EDGE_4X4, IDP_EDGE_4X4, IDP_EDGE_4X4, IDP_EDGE_4X4);
    m_host.m_close.MoveWindow(10, 60, 40, 40);
    auto shotAt = [&](float scale) {
        m_host.m_close.m_fScale = scale;
        return Redrawn(m_window);
    };
    const Pixels whole = shotAt(1.0f);
    EXPECT_EQ(GetRValue(whole.At(36, 10)), 255);
    EXPECT_EQ(GetRValue(whole.At(10, 36)), 255);
    EXPECT_EQ(whole.At(10, 10), RGB(0, 0, 255));
    const Pixels smaller = shotAt(0.8f);
    EXPECT_EQ(smaller.At(29, 10), whole.At(29, 10));
    EXPECT_EQ(smaller.At(10, 29), whole.At(10, 29));
    for (float scale : {1.25f, 2.0f}) {
        const Pixels cut = shotAt(scale);
        EXPECT_GE(GetRValue(whole.At(29, 10)) - GetRValue(cut.At(29, 10)), 100) << scale;
        EXPECT_GE(GetRValue(whole.At(10, 29)) - GetRValue(cut.At(10, 29)), 100) << scale;
        EXPECT_EQ(cut.At(10, 10), RGB(0, 0, 255)) << scale;
    }
}

TEST_F(PngButtonTest, OneTrackingRequestPerEntry) {
    LoadAll();
    const POINT centre = OnScreen(m_window, 13, 17);
    ::SetCursorPos(centre.x, centre.y);
    SendMouse(m_window, WM_MOUSEMOVE, 13, 17);
    TRACKMOUSEEVENT t = Tracking();
    EXPECT_EQ(t.hwndTrack, m_window);
    EXPECT_EQ(t.dwHoverTime, 10u);
    EXPECT_EQ(t.dwFlags & (TME_HOVER | TME_LEAVE), static_cast<DWORD>(TME_HOVER | TME_LEAVE));

    // Drop the request behind the button's back: further moves within the entry ask for nothing.
    TRACKMOUSEEVENT cancel{sizeof(cancel), TME_CANCEL | TME_HOVER | TME_LEAVE, m_window, 0};
    ::TrackMouseEvent(&cancel);
    SendMouse(m_window, WM_MOUSEMOVE, 14, 18);
    t = Tracking();
    EXPECT_FALSE(t.hwndTrack == m_window && t.dwHoverTime == 10u);

    // After the leave, the next entry asks again.
    ::SendMessageW(m_window, WM_MOUSELEAVE, 0, 0);
    SendMouse(m_window, WM_MOUSEMOVE, 13, 17);
    t = Tracking();
    EXPECT_EQ(t.hwndTrack, m_window);
    EXPECT_EQ(t.dwHoverTime, 10u);
}

TEST_F(PngButtonTest, RestingPointerShowsHoverAndLeavingShowsNormal) {
    LoadAll();
    EXPECT_EQ(Shows(Redrawn(m_window)), kNormal);
    const POINT centre = OnScreen(m_window, 13, 17);
    ::SetCursorPos(centre.x, centre.y);
    EXPECT_TRUE(PumpUntil([&] { return Shows(Painted(m_window)) == kHover; }));
    ParkCursor();
    EXPECT_TRUE(PumpUntil([&] { return Shows(Painted(m_window)) == kNormal; }));
}

} // namespace
} // namespace halvane::test
