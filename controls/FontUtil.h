// Fonts derived from a window's dialog font, and text widths measured in them.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Font.h"
#include "framework/Wnd.h"

namespace halvane {

// Makes `font` a copy of the window's font (WM_GETFONT; without one the stock DEFAULT_GUI_FONT,
// else ANSI_VAR_FONT) changed by DeriveFontSize. A font held by `font` before is deleted.
void CreateDerivedFont(const CWnd* window, int sizeDelta, int weight, CFont& font) noexcept;
// The same for a window known only by its handle.
void CreateDerivedFontOf(HWND window, int sizeDelta, int weight, CFont& font) noexcept;

// Width in pixels of `text` in the font CreateDerivedFont would make; -1 when the window (or its
// window handle) or the device context is missing. The DC's font is put back afterwards.
int GetTextWidth(const CWnd* window, HDC dc, std::wstring text, int sizeDelta, int weight) noexcept;

} // namespace halvane
