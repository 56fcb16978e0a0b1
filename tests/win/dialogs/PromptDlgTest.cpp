// The prompt on real windows: its controls' places for each type and scale, the results of its
// buttons and of WM_PROMPT_RESULT, and an empty message.
#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "dialogs/PromptDlg.h"
#include "framework/GdiObjectCounter.h"
#include "framework/ToolMessages.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

class PromptDlgTest : public DialogTest {
protected:
    // Runs the prompt; `check` runs once both windows show, then `finish` ends it.
    INT_PTR Run(CPromptDlg& dialog, const std::function<void(HWND outer, HWND inner)>& check,
                const std::function<void(HWND outer, HWND inner)>& finish) {
        ModalScript script;
        script.WaitFor(
            [&] {
                return ::IsWindowVisible(dialog.GetSafeHwnd()) && dialog.GetChildDlg() != nullptr;
            },
            kPatienceMs, "the prompt to show");
        script.Do([&] {
            HWND inner = dialog.GetChildDlg()->GetSafeHwnd();
            check(dialog.GetSafeHwnd(), inner);
            finish(dialog.GetSafeHwnd(), inner);
        });
        script.Start([&dialog] { dialog.EndDialog(-99); });
        return dialog.DoModal();
    }
    static void Click(HWND inner, int id) {
        ::SendMessageW(::GetDlgItem(inner, id), BM_CLICK, 0, 0);
    }
    static void Nothing(HWND, HWND) {}
};

TEST_F(PromptDlgTest, TypeThreeAtScaleOneShowsOneCentredButton) {
    CPromptDlg dialog;
    dialog.SetMessageText(L"此工具不支持当前系统");
    dialog.SetType(3);
    const INT_PTR result = Run(
        dialog,
        [](HWND outer, HWND inner) {
            EXPECT_RECT(WindowRectOf(outer), 432, 372, 432 + 336, 372 + 156);
            EXPECT_RECT(WindowRectOf(inner), 437, 375, 437 + 326, 375 + 146);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_OK)), 135, 107, 190, 131);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_CLOSE)), 300, 8, 312, 20);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_TEXT)), 10, 30, 316, 106);
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(inner, IDC_PROMPT_OK)));
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(inner, IDC_PROMPT_CANCEL)));
            wchar_t text[64]{};
            ::GetWindowTextW(::GetDlgItem(inner, IDC_PROMPT_TEXT), text, 64);
            EXPECT_STREQ(text, L"此工具不支持当前系统");
            // The message is drawn black on white.
            EXPECT_GT(InkPixels(CaptureClient(::GetDlgItem(inner, IDC_PROMPT_TEXT)), 0), 20);
        },
        [](HWND, HWND inner) { Click(inner, IDC_PROMPT_OK); });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PromptDlgTest, TypeTwoShowsBothButtonsAndCancelEndsWithCancel) {
    CPromptDlg dialog;
    dialog.SetMessageText(L"是否继续？");
    dialog.SetType(2);
    const INT_PTR result = Run(
        dialog,
        [](HWND, HWND inner) {
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_OK)), 96, 107, 151, 131);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_CANCEL)), 175, 107, 230, 131);
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(inner, IDC_PROMPT_OK)));
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(inner, IDC_PROMPT_CANCEL)));
        },
        [](HWND, HWND inner) { Click(inner, IDC_PROMPT_CANCEL); });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(PromptDlgTest, TypeOutsideOneToFourKeepsTheSingleButtonLeft) {
    CPromptDlg dialog;
    dialog.SetMessageText(L"电源模式修改成功");
    dialog.SetType(7);
    const INT_PTR result = Run(
        dialog,
        [](HWND, HWND inner) {
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_OK)), 96, 107, 151, 131);
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(inner, IDC_PROMPT_CANCEL)));
        },
        [](HWND, HWND inner) { Click(inner, IDC_PROMPT_OK); });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PromptDlgTest, CloseButtonEndsWithCancelAndTheDialogLeavesNoGdiObject) {
    const long gdiBefore = fw::GdiObjectCounter::Live();
    {
        CPromptDlg dialog;
        dialog.SetMessageText(L"电源模式修改失败");
        dialog.SetType(3);
        EXPECT_EQ(Run(dialog, Nothing, [](HWND, HWND inner) { Click(inner, IDC_PROMPT_CLOSE); }),
                  IDCANCEL);
    }
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiBefore);
}

TEST_F(PromptDlgTest, PromptResultOneIsOkAndAnyOtherValueCancel) {
    for (WPARAM value : {WPARAM{1}, WPARAM{2}, WPARAM{0}, WPARAM{5}}) {
        CPromptDlg dialog;
        dialog.SetType(2);
        const INT_PTR result = Run(dialog, Nothing, [value](HWND outer, HWND) {
            EXPECT_EQ(::SendMessageW(outer, WM_PROMPT_RESULT, value, 0), 0);
        });
        EXPECT_EQ(result, value == 1 ? IDOK : IDCANCEL) << value;
    }
}

TEST_F(PromptDlgTest, EmptyMessageLeavesTheBoxBlankAndTheButtonsWork) {
    CPromptDlg dialog;
    dialog.SetType(2);
    const INT_PTR result = Run(
        dialog,
        [](HWND, HWND inner) {
            HWND message = ::GetDlgItem(inner, IDC_PROMPT_TEXT);
            EXPECT_EQ(::GetWindowTextLengthW(message), 0);
            const Pixels pixels = CaptureClient(message);
            ASSERT_EQ(pixels.Width(), 306);
            EXPECT_EQ(InkPixels(pixels, 0), 0);
            EXPECT_EQ(InkPixels(pixels, 0xFFFFFF), 306 * 76);
        },
        [](HWND, HWND inner) { Click(inner, IDC_PROMPT_OK); });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PromptDlgTest, ScaleTwoScalesTheFrameAndTheLayout) {
    CPromptDlg dialog;
    dialog.SetMessageText(L"请选择您要设置的电源模式");
    dialog.SetType(3);
    dialog.m_fScale = 2.0f;
    const INT_PTR result = Run(
        dialog,
        [](HWND outer, HWND inner) {
            // 672 x 312 centred on (600, 450).
            EXPECT_RECT(WindowRectOf(outer), 264, 294, 264 + 672, 294 + 312);
            EXPECT_RECT(WindowRectOf(inner), 274, 300, 274 + 652, 300 + 292);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_CLOSE)), 600, 16, 624, 40);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_OK)), 271, 214, 381, 262);
            EXPECT_RECT(ChildRectOf(::GetDlgItem(inner, IDC_PROMPT_TEXT)), 20, 60, 632, 212);
        },
        [](HWND, HWND inner) { Click(inner, IDC_PROMPT_CLOSE); });
    EXPECT_EQ(result, IDCANCEL);
}

} // namespace
} // namespace halvane::test
