// The modal loop: results, WM_CLOSE, Enter/Esc through PreTranslateMessage, owner handling,
// centring, WM_QUIT and an end requested from another thread.
#include <gtest/gtest.h>

#include <thread>

#include "TestResources.h"
#include "TestSupport.h"
#include "framework/WinApp.h"
#include "win/support/Rects.h"

namespace halvane::test {
namespace {

constexpr UINT kEndFromThread = WM_APP + 30;

RECT WorkAreaOf(HWND hwnd) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

using ModalTest = AppTest;

// Where the dialog stands once its modal loop runs (ended by a step with 1).
RECT PlacedInItsLoop(ScriptedDialog& dialog) {
    RECT placed{};
    dialog.AddStep([&](ScriptedDialog& d) {
        placed = WindowRectOf(d.GetSafeHwnd());
        d.EndDialog(1);
    });
    EXPECT_EQ(dialog.DoModal(), 1);
    return placed;
}

TEST_F(ModalTest, DoModalReturnsTheCodeGivenToEndDialogAndDestroysTheWindow) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    HWND seen = nullptr;
    dialog.AddStep([&](ScriptedDialog& d) {
        seen = d.GetSafeHwnd();
        d.EndDialog(42);
    });
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_NE(seen, nullptr);
    EXPECT_FALSE(::IsWindow(seen));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST_F(ModalTest, PostedCloseEndsWithCancelEvenWithoutACancelButton) {
    ScriptedDialog dialog(IDD_TEST_EMPTY);
    dialog.AddStep([](ScriptedDialog& d) { d.PostMessage(WM_CLOSE); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_cancelCalls, 1);
}

// Keys are posted to the focused edit control; the step after them runs only once they have been
// through the loop, and finds the dialog still open.
INT_PTR RunWithKeys(ScriptedDialog& dialog, bool* stillOpen) {
    dialog.AddStep([](ScriptedDialog& d) {
        HWND edit = d.GetDlgItem(IDC_TEST_EDIT);
        ::SetFocus(edit);
        ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
        ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    dialog.AddStep([stillOpen](ScriptedDialog& d) {
        *stillOpen = d.IsWindowVisible() != FALSE;
        d.EndDialog(7);
    });
    return dialog.DoModal();
}

TEST_F(ModalTest, EnterAndEscapeSwallowedInPreTranslateMessageLeaveTheDialogOpen) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    dialog.m_swallowEnterEsc = true;
    bool stillOpen = false;
    EXPECT_EQ(RunWithKeys(dialog, &stillOpen), 7);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialog.m_log, (std::vector<std::string>{"down:13", "down:27"}));
    EXPECT_EQ(dialog.m_cancelCalls, 0);
}

TEST_F(ModalTest, WithoutTheOverrideTheDialogManagerActsOnTheKeys) {
    ScriptedDialog enter(IDD_TEST_DIALOG);
    bool stillOpen = false;
    // Enter presses the default button (IDOK) before Escape is even looked at.
    EXPECT_EQ(RunWithKeys(enter, &stillOpen), IDOK);
    EXPECT_EQ(enter.m_log.front(), "down:13");

    ScriptedDialog escape(IDD_TEST_DIALOG);
    escape.AddStep([](ScriptedDialog& d) {
        HWND edit = d.GetDlgItem(IDC_TEST_EDIT);
        ::SetFocus(edit);
        ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    escape.AddStep([](ScriptedDialog& d) { d.EndDialog(7); });
    EXPECT_EQ(escape.DoModal(), IDCANCEL);
}

TEST_F(ModalTest, DefaultOwnerIsDisabledDuringTheLoopAndEnabledAfter) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    HWND owner = nullptr;
    BOOL ownerEnabled = TRUE;
    dialog.AddStep([&](ScriptedDialog& d) {
        owner = ::GetWindow(d.GetSafeHwnd(), GW_OWNER);
        ownerEnabled = ::IsWindowEnabled(owner);
        d.EndDialog(1);
    });
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(owner, m_main.GetSafeHwnd());
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ModalTest, AnOwnerDisabledBeforeStaysDisabled) {
    m_main.EnableWindow(FALSE);
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    dialog.AddStep([](ScriptedDialog& d) { d.EndDialog(1); });
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_FALSE(m_main.IsWindowEnabled());
}

TEST_F(ModalTest, DefaultOwnerIsTheMainWindowsLastActivePopup) {
    CWnd popup;
    ASSERT_TRUE(CreatePopup(popup, RECT{350, 250, 550, 400}, true, &m_main));
    ::SetActiveWindow(popup.GetSafeHwnd());
    ASSERT_EQ(::GetLastActivePopup(m_main.GetSafeHwnd()), popup.GetSafeHwnd());

    ScriptedDialog dialog(IDD_TEST_DIALOG);
    HWND owner = nullptr;
    BOOL popupEnabled = TRUE;
    BOOL mainEnabled = TRUE;
    dialog.AddStep([&](ScriptedDialog& d) {
        owner = ::GetWindow(d.GetSafeHwnd(), GW_OWNER);
        popupEnabled = popup.IsWindowEnabled();
        mainEnabled = m_main.IsWindowEnabled();
        d.EndDialog(1);
    });
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(owner, popup.GetSafeHwnd());
    // The owner and the top-level window above it are both held for the loop.
    EXPECT_FALSE(popupEnabled);
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(popup.IsWindowEnabled());
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ModalTest, ExplicitChildParentGivesItsTopLevelWindowAsOwner) {
    CWnd child;
    ASSERT_TRUE(
        child.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20}, &m_main, 9));
    ScriptedDialog dialog(IDD_TEST_DIALOG, &child);
    HWND owner = nullptr;
    dialog.AddStep([&](ScriptedDialog& d) {
        owner = ::GetWindow(d.GetSafeHwnd(), GW_OWNER);
        d.EndDialog(1);
    });
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(owner, m_main.GetSafeHwnd());
}

TEST_F(ModalTest, CentredOverTheOwnersWindowRectangle) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    const RECT placed = PlacedInItsLoop(dialog);
    const int w = placed.right - placed.left;
    const int h = placed.bottom - placed.top;
    // Owner (300, 200)-(700, 500): centre (500, 350).
    EXPECT_EQ(placed.left, 500 - w / 2);
    EXPECT_EQ(placed.top, 350 - h / 2);
}

TEST_F(ModalTest, CentringKeepsTheDialogInsideTheWorkArea) {
    const RECT area = WorkAreaOf(m_main.GetSafeHwnd());
    m_main.MoveWindow(area.right - 60, area.bottom - 40, 100, 80); // owner partly off screen
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    const RECT placed = PlacedInItsLoop(dialog);
    EXPECT_EQ(placed.right, area.right);
    EXPECT_EQ(placed.bottom, area.bottom);
}

TEST_F(ModalTest, HiddenOwnerCentresOnTheWorkArea) {
    m_main.ShowWindow(SW_HIDE);
    const RECT area = WorkAreaOf(m_main.GetSafeHwnd());
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    const RECT placed = PlacedInItsLoop(dialog);
    const int w = placed.right - placed.left;
    const int h = placed.bottom - placed.top;
    EXPECT_EQ(placed.left, (area.left + area.right) / 2 - w / 2);
    EXPECT_EQ(placed.top, (area.top + area.bottom) / 2 - h / 2);
}

class MovingDialog : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;

protected:
    BOOL OnInitDialog() noexcept override {
        ScriptedDialog::OnInitDialog();
        SetWindowPos(nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }
};

TEST_F(ModalTest, ADialogThatPlacedItselfIsNotCentred) {
    MovingDialog dialog(IDD_TEST_DIALOG);
    const RECT placed = PlacedInItsLoop(dialog);
    EXPECT_EQ(placed.left, 20);
    EXPECT_EQ(placed.top, 30);
}

// Ends itself when asked by a message; used from another thread, whose SendMessage is handled
// inside GetMessage without any posted message to return it.
class EndOnRequest : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;
    DECLARE_MESSAGE_TABLE()
protected:
    LRESULT OnEndRequest(WPARAM code, LPARAM) {
        EndDialog(static_cast<int>(code));
        return 0;
    }
};

const fw::MessageTable& EndOnRequest::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<kEndFromThread, &EndOnRequest::OnEndRequest>(),
    };
    static const fw::MessageTable table{&ScriptedDialog::Messages(), entries};
    return table;
}

TEST_F(ModalTest, EndRequestedByAMessageFromAnotherThreadWakesTheLoop) {
    EndOnRequest dialog(IDD_TEST_DIALOG);
    std::thread worker;
    dialog.AddStep([&](ScriptedDialog& d) {
        HWND hwnd = d.GetSafeHwnd();
        worker = std::thread([hwnd] {
            ::Sleep(100);
            ::SendMessageW(hwnd, kEndFromThread, 9, 0);
        });
    });
    // Without a wake-up the loop would sleep until the watchdog ends it with -99.
    EXPECT_EQ(dialog.DoModal(), 9);
    worker.join();
}

TEST_F(ModalTest, QuitEndsTheModalLoopAndIsLeftForTheOuterLoop) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    dialog.AddStep([](ScriptedDialog&) { ::PostQuitMessage(5); });
    EXPECT_EQ(dialog.DoModal(), -1); // ended without EndDialog
    MSG msg{};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(ModalTest, NestedModalDialogOwnedByTheOuterOne) {
    ScriptedDialog outer(IDD_TEST_DIALOG);
    HWND innerOwner = nullptr;
    HWND outerHwnd = nullptr;
    BOOL outerEnabledDuringInner = TRUE;
    INT_PTR innerResult = 0;
    outer.AddStep([&](ScriptedDialog& d) {
        outerHwnd = d.GetSafeHwnd();
        ScriptedDialog inner(IDD_TEST_DIALOG);
        inner.AddStep([&](ScriptedDialog& i) {
            innerOwner = ::GetWindow(i.GetSafeHwnd(), GW_OWNER);
            outerEnabledDuringInner = ::IsWindowEnabled(outerHwnd);
            i.EndDialog(3);
        });
        innerResult = inner.DoModal();
    });
    outer.AddStep([](ScriptedDialog& d) { d.EndDialog(IDYES); });
    EXPECT_EQ(outer.DoModal(), IDYES);
    EXPECT_EQ(innerResult, 3);
    EXPECT_EQ(innerOwner, outerHwnd);
    EXPECT_FALSE(outerEnabledDuringInner);
}

} // namespace
} // namespace halvane::test
