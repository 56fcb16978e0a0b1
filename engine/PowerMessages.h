// Messages the switcher sends to its receiving window (both with SendMessageW).
#pragma once
#include <windows.h>

namespace halvane {

// The work is over; the receiver closes its please-wait dialog. wParam 0, lParam 0.
constexpr UINT WM_EXECUTE_FINISHED = 1525;
// The outcome. wParam kPowerResultSuccess or kPowerResultFailure, lParam 0.
constexpr UINT WM_SET_POWER_RESULT = 1526;

constexpr WPARAM kPowerResultSuccess = 1;
constexpr WPARAM kPowerResultFailure = 2;

} // namespace halvane
