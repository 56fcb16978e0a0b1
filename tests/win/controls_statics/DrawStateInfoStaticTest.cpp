// CDrawStateInfoStatic in a real window: the real one-second timer with ResetAnimation and
// StopAnimation, dots that change the wrapping, the layouts and SetTextColor. The dots on
// posted ticks are checked in the real template (TemplateStaticsTest.cpp).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "StaticTestSupport.h"
#include "controls/DrawStateInfoStatic.h"

namespace halvane::test {
namespace {

constexpr UINT_PTR kTimer = CDrawStateInfoStatic::kAnimationTimer;

class DrawStateInfoStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.Create(RECT{60, 60, 460, 360}, m_font));
        ASSERT_EQ(LineHeight(m_font, false), 12);
    }

    CDrawStateInfoStatic& Make(const std::wstring& text, int mode, const RECT& rect) {
        m_statics.push_back(std::make_unique<CDrawStateInfoStatic>());
        CDrawStateInfoStatic& s = *m_statics.back();
        EXPECT_TRUE(s.Create(text.c_str(), WS_CHILD | WS_VISIBLE, rect, &m_host, 1000));
        s.SetAlignMode(mode);
        s.SetTextFont(0, 0);
        return s;
    }

    static Pixels Painted(const CDrawStateInfoStatic& s) {
        s.Invalidate();
        return Shown(s);
    }
    static void Tick(const CDrawStateInfoStatic& s) { s.PostMessage(WM_TIMER, kTimer, 0); }

    // What the animated control must look like with no dot and with one: still controls whose
    // own text already ends that way.
    std::vector<Pixels> StillFrames(const std::wstring& text, int mode, int width, int height) {
        std::vector<Pixels> frames;
        for (const wchar_t* dots : {L"", L"."}) {
            CDrawStateInfoStatic& still =
                Make(text + dots, mode, RECT{0, 200, width, 200 + height});
            frames.push_back(Painted(still));
            still.DestroyWindow();
        }
        return frames;
    }

    CFont m_font = MakeTestFont();
    FontHost m_host;
    std::vector<std::unique_ptr<CDrawStateInfoStatic>> m_statics;
};

TEST_F(DrawStateInfoStaticTest, RealTimerTicksOnceASecondUntilStopped) {
    const std::wstring text = L"Please wait";
    const std::vector<Pixels> frames = StillFrames(text, 1, 150, 30);
    CDrawStateInfoStatic& s = Make(text, 1, RECT{0, 0, 150, 30});
    Painted(s);

    const ULONGLONG start = ::GetTickCount64();
    s.StartAnimation();
    ASSERT_TRUE(PumpUntil([&] { return CaptureClient(s) == frames[1]; }));
    EXPECT_GE(::GetTickCount64() - start, 900u); // not before the first second is over

    // ResetAnimation drops the dots but the timer runs on.
    s.ResetAnimation();
    EXPECT_EQ(Shown(s), frames[0]);
    EXPECT_TRUE(PumpUntil([&] { return CaptureClient(s) == frames[1]; }));

    s.StopAnimation();
    EXPECT_EQ(Shown(s), frames[0]);
}

TEST_F(DrawStateInfoStaticTest, DotsTakePartInTheWrapping) {
    // Room for the text alone on one line, not for the text with three dots.
    const std::wstring text = L"Please wait";
    const int width = TextExtent(m_font, text) + 2;
    ASSERT_GT(TextExtent(m_font, text + L"..."), width);
    CDrawStateInfoStatic& s = Make(text, 5, RECT{0, 0, width, 40});
    const Ink oneLine = InkOf(Painted(s), kWhite);
    for (int i = 0; i < 3; ++i)
        Tick(s);
    const Ink twoLines = InkOf(Shown(s), kWhite);
    // One 12-pixel line in 40 starts at 14; two lines start at 8.
    EXPECT_EQ(oneLine.top - twoLines.top, 6);
    EXPECT_EQ(twoLines.bottom - oneLine.bottom, 6);
}

TEST_F(DrawStateInfoStaticTest, ModeZeroAndUnknownModesLayOutAsModeOne) {
    const Pixels modeOne = Painted(Make(L"Please wait", 1, RECT{0, 0, 150, 30}));
    EXPECT_EQ(Painted(Make(L"Please wait", 0, RECT{0, 40, 150, 70})), modeOne);
    EXPECT_EQ(Painted(Make(L"Please wait", 9, RECT{0, 80, 150, 110})), modeOne);
    // Mode 3 puts the same line at the right edge.
    const Ink right = InkOf(Painted(Make(L"Please wait", 3, RECT{0, 120, 150, 150})), kWhite);
    const Ink left = InkOf(modeOne, kWhite);
    EXPECT_EQ(right.right - left.right, 150 - TextExtent(m_font, L"Please wait"));
}

TEST_F(DrawStateInfoStaticTest, SetTextColorRepaintsAtOnce) {
    CDrawStateInfoStatic& s = Make(L"Please wait", 2, RECT{0, 0, 150, 30});
    EXPECT_GT(Painted(s).Count(RGB(0, 0, 0)), 0);
    s.SetTextColor(RGB(200, 0, 0));
    const Pixels p = Shown(s);
    EXPECT_GT(p.Count(RGB(200, 0, 0)), 0);
    EXPECT_EQ(p.Count(RGB(0, 0, 0)), 0);
}

} // namespace
} // namespace halvane::test
