// The statics bound to the real dialog templates the way the prompt and please-wait dialogs use
// them: font taken from the dialog, the real background image, the Chinese texts.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "StaticTestSupport.h"
#include "controls/DrawStateInfoStatic.h"
#include "controls/DrawTextStatic.h"
#include "controls/PngResource.h"
#include "framework/Dialog.h"
#include "framework/GdiObjectCounter.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

// A dialog of a real template with one static of type T bound by DoDataExchange.
template <class T> class OneStaticDialog : public CDialog {
public:
    OneStaticDialog(UINT templateId, int controlId) noexcept
        : CDialog(templateId), m_controlId(controlId) {}
    T m_static;

protected:
    void DoDataExchange(CDataExchange* dx) noexcept override {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, m_controlId, m_static);
    }

private:
    int m_controlId;
};

TEST(TemplateStaticsTest, PleaseWaitTextCyclesItsDotsOverTheProgressBackground) {
    Gdiplus::Image* image = nullptr;
    ASSERT_EQ(LoadPngFromResource(&image, IDB_PROGRESS_BK), 1);
    std::unique_ptr<Gdiplus::Image> owned(image);

    OneStaticDialog<CDrawStateInfoStatic> dialog(IDD_EXECUTE_PROMPT_CHILD_DIALOG, IDC_STATE_TEXT);
    ASSERT_TRUE(dialog.Create(IDD_EXECUTE_PROMPT_CHILD_DIALOG));
    dialog.MoveWindow(100, 100, 204, 104);
    dialog.ShowWindow(SW_SHOWNA);

    // The please-wait dialog's order of set-up.
    const std::wstring text = L"正在修改，请稍等";
    auto configure = [&](CDrawStateInfoStatic& s, const std::wstring& shown) {
        s.SetWindowText(shown.c_str());
        s.SetAlignMode(5);
        s.SetTextColor(kWhite);
        s.SetBkImage(image);
        s.SetTextFont(0, 0);
        s.SetBkImageRect(10, 32, 194, 72);
        s.MoveWindow(10, 32, 184, 40);
    };
    CDrawStateInfoStatic& animated = dialog.m_static;
    configure(animated, text);
    animated.StartAnimation();

    // Still controls in the same place whose own texts end in the dots.
    std::vector<Pixels> frames;
    for (const wchar_t* dots : {L"", L".", L"..", L"..."}) {
        CDrawStateInfoStatic still;
        ASSERT_TRUE(still.Create(L"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, &dialog, 1));
        configure(still, text + dots);
        frames.push_back(Shown(still));
    }
    ASSERT_NE(frames[0], frames[3]);
    // White text over the image, not over the bare white fill.
    EXPECT_GT(frames[0].Count(kWhite), 0);
    EXPECT_LT(frames[0].Count(kWhite), 184 * 40 / 4);

    auto tick = [&](UINT_PTR id) { animated.PostMessage(WM_TIMER, id, 0); };
    EXPECT_EQ(Shown(animated), frames[0]);
    const long live = fw::GdiObjectCounter::Live();
    for (int expected : {1, 2, 3, 0, 1, 2}) {
        tick(CDrawStateInfoStatic::kAnimationTimer);
        EXPECT_EQ(Shown(animated), frames[expected]) << "dots " << expected;
    }
    tick(35); // another timer's tick is not the animation's
    EXPECT_EQ(Shown(animated), frames[2]);
    EXPECT_EQ(fw::GdiObjectCounter::Live(), live);

    animated.StopAnimation();
    EXPECT_EQ(Shown(animated), frames[0]);
    EXPECT_FALSE(::KillTimer(animated, CDrawStateInfoStatic::kAnimationTimer));
    tick(CDrawStateInfoStatic::kAnimationTimer);
    EXPECT_EQ(Shown(animated), frames[1]); // counting starts over from no dots
    dialog.DestroyWindow();
}

TEST(TemplateStaticsTest, PromptMessageIsCentredInTheDialogFont) {
    OneStaticDialog<CDrawTextStatic> dialog(IDD_PROMPT_CHILD_DIALOG, IDC_PROMPT_TEXT);
    ASSERT_TRUE(dialog.Create(IDD_PROMPT_CHILD_DIALOG));
    dialog.MoveWindow(100, 100, 326, 146);
    dialog.ShowWindow(SW_SHOWNA);
    CDrawTextStatic& message = dialog.m_static;
    message.SetTextFont(0, 0);
    message.SetAlignMode(7);
    message.SetWindowText(L"电源模式修改成功");
    message.MoveWindow(10, 30, 306, 76);

    // One line, left-aligned, its block centred in the 76 pixels, in the dialog's own font.
    const HFONT font = dialog.GetFont();
    ASSERT_NE(font, nullptr);
    const int line = LineHeight(font, true);
    const Ink ref = InkOf(RenderText(font, L"电源模式修改成功", 306, line, RECT{0, 0, 306, line},
                                     DT_SINGLELINE, kBlack, kWhite),
                          kWhite);
    ASSERT_TRUE(ref.any);
    const Ink ink = InkOf(Shown(message), kWhite);
    EXPECT_EQ(ink.top, (76 - line) / 2 + ref.top);
    EXPECT_EQ(ink.bottom, (76 - line) / 2 + ref.bottom);
    EXPECT_EQ(ink.left, ref.left);
    EXPECT_EQ(ink.right, ref.right);
    dialog.DestroyWindow();
}

} // namespace
} // namespace halvane::test
