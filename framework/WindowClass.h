// Window classes of the framework's own windows (frames, clipping windows, test windows).
#pragma once

#include <windows.h>

#include <string>

namespace halvane::fw {

// Registers (once per distinct combination) a class whose windows bind to their CWnd at
// WM_NCCREATE, and returns its name; empty on failure. Null cursor/brush/icon mean none.
std::wstring RegisterWndClass(UINT style, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                              HICON icon = nullptr);

// Whether windows of this class expect a CWnd* in lpCreateParams.
bool IsFrameworkClass(LPCWSTR className) noexcept;

} // namespace halvane::fw
