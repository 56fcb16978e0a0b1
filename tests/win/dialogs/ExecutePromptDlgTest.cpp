// The progress dialog on real windows: places at scale 1 and 2, its text and fallback, the
// dots a second apart read back from the screen, StopAnimation, and the end by
// WM_EXECUTE_FINISHED sent from another thread.
#include <gtest/gtest.h>

#include <thread>

#include "DialogTestSupport.h"
#include "dialogs/ExecutePromptChildDlg.h"
#include "dialogs/ExecutePromptDlg.h"
#include "framework/GdiObjectCounter.h"
#include "framework/ToolMessages.h"
#include "res/resource.h"

namespace halvane::test {
namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[64]{};
    ::GetWindowTextW(window, text, 64);
    return text;
}

class ExecutePromptDlgTest : public DialogTest {
protected:
    void WaitShown(ModalScript& script, CExecutePromptDlg& dialog) {
        script.WaitFor(
            [&] {
                return ::IsWindowVisible(dialog.GetSafeHwnd()) && dialog.GetChildDlg() != nullptr;
            },
            kPatienceMs, "the progress dialog to show");
    }
    static HWND Inner(CExecutePromptDlg& dialog) { return dialog.GetChildDlg()->GetSafeHwnd(); }
    static HWND StateText(CExecutePromptDlg& dialog) {
        return ::GetDlgItem(Inner(dialog), IDC_STATE_TEXT);
    }
    void Finish(ModalScript& script, CExecutePromptDlg& dialog) {
        script.Do([&] { ::SendMessageW(dialog.GetSafeHwnd(), WM_EXECUTE_FINISHED, 0, 0); });
        script.Start([&dialog] { dialog.EndDialog(-99); });
    }
};

TEST_F(ExecutePromptDlgTest, PlacesAndTextAtScaleOne) {
    CExecutePromptDlg dialog;
    dialog.SetMessageText(L"正在修改，请稍等");
    ModalScript script;
    WaitShown(script, dialog);
    script.Do([&] {
        EXPECT_RECT(WindowRectOf(dialog.GetSafeHwnd()), 484, 384, 484 + 232, 384 + 132);
        EXPECT_RECT(WindowRectOf(Inner(dialog)), 498, 396, 498 + 204, 396 + 104);
        EXPECT_RECT(ChildRectOf(StateText(dialog)), 10, 32, 194, 72);
        EXPECT_EQ(TextOf(StateText(dialog)), L"正在修改，请稍等");
        // White text on the blue background.
        const Pixels pixels = CaptureClient(StateText(dialog));
        EXPECT_GT(InkPixels(pixels, 0xFFFFFF), 20);
        EXPECT_GT(InkPixels(pixels, 0x3779E1), 184 * 40 / 2);
    });
    Finish(script, dialog);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(ExecutePromptDlgTest, TextsShorterThanTwoCharactersFallBackAndLeaveNoGdiObject) {
    const long gdiBefore = fw::GdiObjectCounter::Live();
    for (const wchar_t* text : {L"", L"改"}) {
        CExecutePromptDlg dialog;
        dialog.SetMessageText(text);
        ModalScript script;
        WaitShown(script, dialog);
        script.Do([&] { EXPECT_EQ(TextOf(StateText(dialog)), L"正在修复，请稍等"); });
        Finish(script, dialog);
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
    EXPECT_EQ(fw::GdiObjectCounter::Live(), gdiBefore);
}

TEST_F(ExecutePromptDlgTest, ScaleTwo) {
    CExecutePromptDlg dialog;
    dialog.SetMessageText(L"正在修改，请稍等");
    dialog.m_fScale = 2.0f;
    ModalScript script;
    WaitShown(script, dialog);
    script.Do([&] {
        EXPECT_RECT(WindowRectOf(dialog.GetSafeHwnd()), 368, 318, 368 + 464, 318 + 264);
        EXPECT_RECT(WindowRectOf(Inner(dialog)), 396, 342, 396 + 408, 342 + 208);
        EXPECT_RECT(ChildRectOf(StateText(dialog)), 20, 64, 388, 144);
    });
    Finish(script, dialog);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(ExecutePromptDlgTest, FinishedSentFromAnotherThreadEndsWithOk) {
    CExecutePromptDlg dialog;
    dialog.SetMessageText(L"正在修改，请稍等");
    std::thread worker;
    LRESULT sent = -1;
    ModalScript script;
    WaitShown(script, dialog);
    script.Do([&] {
        HWND outer = dialog.GetSafeHwnd();
        worker = std::thread([outer, &sent] {
            ::Sleep(200);
            sent = ::SendMessageW(outer, WM_EXECUTE_FINISHED, 0, 0);
        });
    });
    script.WaitFor([] { return false; }, kPatienceMs, "WM_EXECUTE_FINISHED to end the dialog");
    script.Start([&dialog] { dialog.EndDialog(-99); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    worker.join();
    EXPECT_EQ(sent, 0);
}

TEST_F(ExecutePromptDlgTest, KeysTheWindowManagerCloseAndWmCloseLeaveItOpen) {
    CExecutePromptDlg dialog;
    ModalScript script;
    WaitShown(script, dialog);
    script.Do([&] {
        for (HWND target : {Inner(dialog), dialog.GetSafeHwnd()}) {
            ::SetFocus(target);
            ::PostMessageW(target, WM_KEYDOWN, VK_RETURN, 1);
            ::PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1);
            ::PostMessageW(target, WM_SYSCOMMAND, SC_CLOSE, 0);
            ::PostMessageW(target, WM_CLOSE, 0, 0);
        }
    });
    script.Pause(300);
    script.Do([&] {
        EXPECT_TRUE(::IsWindowVisible(dialog.GetSafeHwnd()));
        EXPECT_TRUE(::IsWindowVisible(Inner(dialog)));
    });
    Finish(script, dialog);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

// The dots read back from the screen: each dot widens the white text's ink span.
TEST_F(ExecutePromptDlgTest, DotsGrowOneASecondWrapAndStopAnimationClearsThem) {
    CExecutePromptDlg dialog;
    dialog.SetMessageText(L"正在修改，请稍等");
    struct Frame {
        ULONGLONG at;
        Pixels pixels;
    };
    std::vector<Frame> frames;
    ModalScript script;
    WaitShown(script, dialog);
    // Every change of the look, until six have been seen: none, one, two, three dots, none, one.
    script.WaitFor(
        [&] {
            Pixels now = CaptureClient(StateText(dialog));
            if (frames.empty() || !(frames.back().pixels == now))
                frames.push_back({::GetTickCount64(), std::move(now)});
            return frames.size() >= 6;
        },
        kPatienceMs, "six looks of the dots");
    script.Do([&] { static_cast<CExecutePromptChildDlg*>(dialog.GetChildDlg())->StopAnimation(); });
    script.WaitFor(
        [&] { return !frames.empty() && CaptureClient(StateText(dialog)) == frames[0].pixels; },
        kPatienceMs, "the dots to be cleared");
    script.Pause(1500);
    script.Do([&] { EXPECT_TRUE(CaptureClient(StateText(dialog)) == frames[0].pixels); });
    Finish(script, dialog);
    EXPECT_EQ(dialog.DoModal(), IDOK);

    ASSERT_GE(frames.size(), 6u);
    std::vector<int> ink;
    for (const Frame& f : frames)
        ink.push_back(InkSpan(f.pixels, 0xFFFFFF));
    // 0, 1, 2, 3 dots, then none again, then one.
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_GE(ink[i] - ink[i - 1], 2) << i; // a dot's advance, not a stray pixel
    EXPECT_TRUE(frames[4].pixels == frames[0].pixels);
    EXPECT_TRUE(frames[5].pixels == frames[1].pixels);
    // Four steps of about a second each; the bounds leave room for a late look on a busy
    // machine and still tell the period from a quarter of it or from double.
    const ULONGLONG fourSteps = frames[5].at - frames[1].at;
    EXPECT_GT(fourSteps, 2000u);
    EXPECT_LT(fourSteps, 8000u);
}

} // namespace
} // namespace halvane::test
