// CImageButton in the panel's template: "设置" with its real images 183-186 over the panel's
// background 139, and the feedback dialog's transparent-rimmed images for the fill and margins.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "ButtonTestSupport.h"
#include "TestResources.h"
#include "controls/PngResource.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

constexpr int kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3;

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParkCursor();
        Gdiplus::Image* background = nullptr;
        ASSERT_EQ(LoadPngFromResource(&background, IDB_PANEL_BK), 1);
        m_background.reset(background);
        ASSERT_TRUE(m_host.Open());
        m_window = m_host.m_set.GetSafeHwnd();
        m_points = TellApartPoints(m_faces, 6);
        ASSERT_FALSE(m_points.empty()) << "the four set-button images must differ";
    }
    void TearDown() override {
        m_host.m_set.ReleasePngImages();
        m_host.DestroyWindow();
        PumpPending();
    }
    // As the panel sets it up: background piece (77, 309, 323, 356), no margins, 246 x 47.
    void SetUpAsThePanel() {
        CImageButton& b = m_host.m_set;
        b.SetBkImage(m_background.get());
        b.SetBkImageRect(77, 309, 323, 356);
        b.SetHitMargins(0, 0, 0, 0);
        b.SetPngImages(IDB_SET_NORMAL, IDB_SET_HOVER, IDB_SET_PRESSED, IDB_SET_DISABLED);
        b.MoveWindow(77, 309, 246, 47);
    }
    int Shows(const Pixels& shot) const { return WhichImage(shot, {0, 0}, m_faces, m_points); }

    HostDialog m_host;
    HWND m_window = nullptr;
    std::unique_ptr<Gdiplus::Image> m_background;
    Pixels m_normal = PngPixels(IDB_SET_NORMAL), m_hover = PngPixels(IDB_SET_HOVER),
           m_pressed = PngPixels(IDB_SET_PRESSED), m_disabled = PngPixels(IDB_SET_DISABLED);
    std::vector<const Pixels*> m_faces{&m_normal, &m_hover, &m_pressed, &m_disabled};
    std::vector<POINT> m_points;
};

TEST_F(ImageButtonTest, HoverPressAndReleaseCountOnlyInsideTheClientRectangle) {
    SetUpAsThePanel();
    EXPECT_EQ(Shows(Redrawn(m_window)), kNormal);
    SendMouse(m_window, WM_MOUSEHOVER, -3, 5);
    SendMouse(m_window, WM_MOUSEHOVER, 246, 5);
    EXPECT_EQ(Shows(Redrawn(m_window)), kNormal);
    SendMouse(m_window, WM_MOUSEHOVER, 245, 46);
    EXPECT_EQ(Shows(Painted(m_window)), kHover);
    SendMouse(m_window, WM_LBUTTONDOWN, 100, 47, MK_LBUTTON);
    EXPECT_EQ(Shows(Redrawn(m_window)), kHover);
    SendMouse(m_window, WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
    EXPECT_EQ(Shows(Painted(m_window)), kPressed);
    SendMouse(m_window, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(Shows(Painted(m_window)), kHover);
    ::SendMessageW(m_window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Shows(Painted(m_window)), kNormal);
}

TEST_F(ImageButtonTest, ReleaseOutsideKeepsThePressedLookUntilThePointerLeaves) {
    SetUpAsThePanel();
    SendMouse(m_window, WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
    EXPECT_EQ(Shows(Painted(m_window)), kPressed);
    SendMouse(m_window, WM_LBUTTONUP, 300, 20);
    EXPECT_EQ(Shows(Redrawn(m_window)), kPressed);
    ::SendMessageW(m_window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Shows(Painted(m_window)), kNormal);
}

TEST_F(ImageButtonTest, EnableButtonShowsTheDisabledImageAtOnceAndThenTheNormalOne) {
    SetUpAsThePanel();
    const POINT over = OnScreen(m_window, 120, 20);
    ::SetCursorPos(over.x, over.y);
    SendMouse(m_window, WM_MOUSEHOVER, 120, 20);
    EXPECT_EQ(Shows(Painted(m_window)), kHover);

    m_host.m_set.EnableButton(FALSE);
    EXPECT_FALSE(m_host.m_set.IsWindowEnabled());
    EXPECT_EQ(Shows(Painted(m_window)), kDisabled);
    SendMouse(m_window, WM_MOUSEHOVER, 120, 20);
    SendMouse(m_window, WM_LBUTTONDOWN, 120, 20, MK_LBUTTON);
    EXPECT_EQ(Shows(Redrawn(m_window)), kDisabled);

    // Still under the pointer, yet the normal look: enabling resets the state.
    m_host.m_set.EnableButton(TRUE);
    EXPECT_TRUE(m_host.m_set.IsWindowEnabled());
    EXPECT_EQ(Shows(Painted(m_window)), kNormal);
}

TEST_F(ImageButtonTest, WhiteFillThenTheBackgroundPieceThenTheFace) {
    // The feedback answers: a rounded face inside a transparent rim of 9 pixels.
    CImageButton& b = m_host.m_set;
    b.SetPngImages(IDB_FEEDBACK_SOLVED_NORMAL, IDB_FEEDBACK_SOLVED_HOVER,
                   IDB_FEEDBACK_SOLVED_PRESSED, IDB_FEEDBACK_SOLVED_DISABLED);
    b.MoveWindow(20, 100, 266, 60);
    const Pixels face = PngPixels(IDB_FEEDBACK_SOLVED_NORMAL); // drawn over white
    Pixels shot = Redrawn(m_window);
    EXPECT_EQ(shot.At(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(shot.At(263, 57), RGB(255, 255, 255));
    EXPECT_TRUE(Near(shot.At(133, 30), face.At(133, 30)));
    EXPECT_NE(face.At(133, 30), RGB(255, 255, 255));

    // With a background piece the rim shows the owner's pixels.
    const Pixels panel = PngPixels(IDB_PANEL_BK);
    ASSERT_NE(panel.At(2, 2), RGB(255, 255, 255)) << "the panel's corner is expected coloured";
    b.SetBkImage(m_background.get());
    b.SetBkImageRect(0, 0, 266, 60);
    shot = Redrawn(m_window);
    EXPECT_TRUE(Near(shot.At(2, 2), panel.At(2, 2)));
    EXPECT_TRUE(Near(shot.At(133, 30), face.At(133, 30)));
}

TEST_F(ImageButtonTest, PaintsItselfInEraseBackground) {
    SetUpAsThePanel();
    // A 32-bit surface standing in for the erase DC, filled magenta first.
    const DibSurface surface(246, 47);
    ASSERT_TRUE(surface.IsValid());
    const CBrush magenta(kMagenta);
    const RECT all{0, 0, 246, 47};
    ::FillRect(surface.Dc(), &all, magenta);
    EXPECT_EQ(::SendMessageW(m_window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.Dc()), 0),
              TRUE);
    const Pixels painted = surface.Read();
    int matching = 0;
    for (const POINT& p : m_points)
        matching += Near(painted.At(p.x, p.y), m_normal.At(p.x, p.y)) ? 1 : 0;
    EXPECT_EQ(matching, static_cast<int>(m_points.size()));
}

TEST_F(ImageButtonTest, NothingIsDrawnInEitherPathWhileAnImageIsMissing) {
    CImageButton& b = m_host.m_set;
    b.SetBkImage(m_background.get());
    b.SetBkImageRect(77, 309, 323, 356);
    b.SetPngImages(IDB_SET_NORMAL, IDP_MISSING, IDB_SET_PRESSED, IDB_SET_DISABLED);
    b.MoveWindow(77, 309, 246, 47);
    Redrawn(m_window);
    Smear(m_window, kMagenta);
    const Pixels shot = Redrawn(m_window);
    for (int y = 0; y < shot.Height(); y += 3) {
        for (int x = 0; x < shot.Width(); x += 3)
            ASSERT_EQ(shot.At(x, y), kMagenta) << x << "," << y;
    }
    b.SetPngImages(IDP_MISSING, IDB_SET_HOVER, IDP_MISSING, IDP_MISSING);
    EXPECT_EQ(Shows(Redrawn(m_window)), kNormal);
}

TEST_F(ImageButtonTest, HitMarginsDecideWhereTheCursorCountsAsInside) {
    CImageButton& b = m_host.m_set;
    b.MoveWindow(20, 100, 266, 60);
    auto insideAt = [&](int x, int y) {
        const POINT p = OnScreen(m_window, x, y);
        ::SetCursorPos(p.x, p.y);
        return b.IsCursorInside();
    };
    EXPECT_EQ(insideAt(0, 0), TRUE);
    EXPECT_EQ(insideAt(-1, 10), FALSE);
    EXPECT_EQ(insideAt(266, 10), FALSE);
    b.SetHitMargins(9, 9, 9, 9);
    EXPECT_EQ(insideAt(5, 5), FALSE);
    EXPECT_EQ(insideAt(10, 10), TRUE);
    EXPECT_EQ(insideAt(266 - 5, 60 - 5), FALSE);
    EXPECT_EQ(insideAt(266 - 10, 60 - 10), TRUE);
    EXPECT_EQ(insideAt(133, 5), FALSE);
    EXPECT_EQ(insideAt(5, 30), FALSE);
}

TEST_F(ImageButtonTest, StateWrittenFromAnotherThreadNeverTearsAPaint) {
    SetUpAsThePanel();
    std::atomic<bool> finished{false};
    // The consent box's thread: enable and disable, as fast as the window lets it.
    std::thread consent([&] {
        for (int i = 0; i < 300; ++i) {
            m_host.m_set.EnableButton(i % 2 == 0 ? FALSE : TRUE);
            ::Sleep(1);
        }
        m_host.m_set.EnableButton(TRUE);
        finished = true;
    });
    int torn = 0;
    int seen[4] = {};
    for (int i = 0; !finished; ++i) {
        PumpPending();
        SendMouse(m_window, i % 3 == 0 ? WM_MOUSELEAVE : WM_MOUSEHOVER, 20, 20);
        const int shows = Shows(Redrawn(m_window));
        if (shows < 0)
            ++torn;
        else
            ++seen[shows];
    }
    consent.join();
    PumpPending();
    EXPECT_EQ(torn, 0);
    EXPECT_GT(seen[kDisabled], 0);
    EXPECT_GT(seen[kNormal] + seen[kHover], 0);
    EXPECT_EQ(seen[kPressed], 0);
    EXPECT_TRUE(m_host.m_set.IsWindowEnabled());
    ::SendMessageW(m_window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Shows(Redrawn(m_window)), kNormal);
}

} // namespace
} // namespace halvane::test
