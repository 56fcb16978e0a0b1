// A small program that shows one of the dialogs for the end-to-end tests, over a plain owner
// window, and returns what DoModal returned as its exit code.
//   DialogsDemo.exe prompt TYPE SCALE MESSAGE     MESSAGE: 0 empty, 1 short, 2 long
//   DialogsDemo.exe progress SCALE MESSAGE        MESSAGE: 0 empty, 1 "正在修改，请稍等"
//   DialogsDemo.exe feedback SCALE [ROUNDS]       without a feedback library; at 96 dpi the
//                                                 dialog keeps the scale it is given. With
//                                                 ROUNDS, the dialog is shown once for each
//                                                 kShowAgainMessage posted to the owner, up to
//                                                 ROUNDS times, and the program runs until the
//                                                 owner is closed (the benchmark's rounds)
//   DialogsDemo.exe agreement SCALE               the agreement pop-up, modeless, placed as the
//                                                 panel places it over a 400 x 600 panel at the
//                                                 owner's corner; runs until the owner is closed
// The owner window moves the dialog's outer window on kMoveOuterMessage (wParam dx, lParam dy),
// so a test can move the outer "by other means" than a drag.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace halvane::demo {

constexpr UINT kMoveOuterMessage = WM_APP + 1;
constexpr UINT kShowAgainMessage = WM_APP + 2;

class COwnerWnd : public CWnd {
public:
    CDialog* m_pDialog = nullptr;
    DECLARE_MESSAGE_TABLE()

private:
    BOOL OnEraseBkgnd(HDC dc) noexcept;
    LRESULT OnMoveOuter(WPARAM dx, LPARAM dy) noexcept;
};

class CDialogsDemoApp : public CWinApp {
public:
    BOOL InitInstance() noexcept override;
    int ExitInstance() noexcept override { return m_result; }

private:
    INT_PTR RunPrompt(int argc, wchar_t** argv) noexcept;
    INT_PTR RunProgress(int argc, wchar_t** argv) noexcept;
    INT_PTR RunFeedback(int argc, wchar_t** argv) noexcept;
    INT_PTR RunFeedbackRounds(float scale, int rounds) noexcept;
    INT_PTR RunAgreement(int argc, wchar_t** argv) noexcept;

    COwnerWnd m_owner;
    int m_result = 100;
};

} // namespace halvane::demo
