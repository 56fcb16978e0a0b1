// The tool's private window messages, in one place so that no two share a number. Senders and
// receivers live in several layers (engine, controls, dialogs, panel), so this header sits at
// the bottom of the window layer and needs only <windows.h>.
#pragma once

#include <windows.h>

namespace halvane {

// Posted by a skinned scroll frame's hosted control after a layout: wParam its WS_VSCROLL bit,
// lParam its WS_EX_LEFTSCROLLBAR bit.
constexpr UINT WM_SKINFRAME_LAYOUT = 1124;

// From the power switcher to its receiving window (both with SendMessageW).
// The work is over; the receiver closes its please-wait dialog. wParam 0, lParam 0.
constexpr UINT WM_EXECUTE_FINISHED = 1525;
// The outcome. wParam kPowerResultSuccess or kPowerResultFailure, lParam 0.
constexpr UINT WM_SET_POWER_RESULT = 1526;

constexpr WPARAM kPowerResultSuccess = 1;
constexpr WPARAM kPowerResultFailure = 2;

// Prompt inner -> prompt outer, sent: wParam kPromptResultOk or kPromptResultCancel, lParam 0.
constexpr UINT WM_PROMPT_RESULT = 1557;

constexpr WPARAM kPromptResultOk = 1;
constexpr WPARAM kPromptResultCancel = 2;

// Posted by the mouse hook to its target for each left-button press; wParam WM_LBUTTONDOWN,
// lParam the hook's MSLLHOOKSTRUCT pointer, which is gone by the time the message arrives:
// receivers read the cursor position themselves.
constexpr UINT WM_HOOK_LBUTTONDOWN = 2024;

} // namespace halvane
