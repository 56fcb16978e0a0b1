// Steps shared by the text statics' paints: the window text read without throwing, a part of the
// owner's background image stretched under the text, and the text laid out by a layout mode.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <string>

#include "controls/TextLayout.h"
#include "framework/MemoryDC.h"
#include "framework/PaintDC.h"

namespace halvane {

// The window's text; false (and `text` empty) when it could not be read.
bool ReadWindowText(HWND window, std::wstring& text) noexcept;

// Stores a new window text the way the default window procedure does. The static class would
// also paint its own text at once, straight over the skinned face; instead the control is
// invalidated and repaints itself.
LRESULT SetTextAndInvalidate(HWND window, WPARAM wParam, LPARAM lParam) noexcept;

// Draws `source` (image pixels) of `image` stretched onto `target`; nothing without an image.
void DrawImagePart(HDC dc, Gdiplus::Image* image, const RECT& source, const RECT& target,
                   bool highQuality) noexcept;

// Draws `text` in `client` as `layout` says. A centred block is measured first and the client
// rectangle's top moved by CentredBlockTop, so `client` comes back as it was drawn into.
void DrawLaidOutText(HDC dc, const std::wstring& text, RECT& client,
                     const TextLayout& layout) noexcept;

// Paints the client area through a memory bitmap of its size: draw(dc, client) fills the bitmap,
// which then reaches the screen in one copy, so the text never flickers over the skin.
template <class Draw> void PaintBuffered(HWND window, Draw draw) noexcept {
    CPaintDC dc(window);
    RECT client{};
    ::GetClientRect(window, &client);
    CMemoryDC memory(dc, client.right, client.bottom);
    if (!memory.IsValid())
        return;
    draw(memory, client);
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
}

} // namespace halvane
