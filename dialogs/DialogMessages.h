// The private messages the dialogs answer. WM_EXECUTE_FINISHED comes from the power engine.
#pragma once

#include <windows.h>

#include "engine/PowerMessages.h"

namespace halvane {

// Prompt inner -> prompt outer, sent: wParam kPromptResultOk or kPromptResultCancel, lParam 0.
constexpr UINT WM_PROMPT_RESULT = 1557;

constexpr WPARAM kPromptResultOk = 1;
constexpr WPARAM kPromptResultCancel = 2;

} // namespace halvane
