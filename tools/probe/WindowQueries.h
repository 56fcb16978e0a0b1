// Reads of another process's windows that never block for long on a stuck program.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace probe {

constexpr UINT kSendTimeoutMs = 1000;

// SendMessageTimeout with abort-if-hung; empty when the window did not answer.
std::optional<LRESULT> Ask(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::u16string ClassName(HWND hwnd);

// Captions come from the window manager's copy; edit controls keep their text themselves, so
// they are asked with WM_GETTEXT.
std::u16string WindowText(HWND hwnd);

bool IsClass(const std::u16string& className, const wchar_t* name);

std::u16string ToU16(const wchar_t* text, std::size_t size);

} // namespace probe
