// Helpers of the text statics' Wine tests: a visible parent whose font the test chooses, pixels
// read back from a window or from a reference drawing, the extent of the text ink, and a count of
// the WM_PAINT messages a window receives.
#pragma once

#include <windows.h>

#include "win/support/Pump.h"

#include <objidl.h>
#include <gdiplus.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Font.h"
#include "framework/Wnd.h"

namespace halvane::test {


struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours; // row by row, top row first

    COLORREF At(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
    int Count(COLORREF colour) const;
    bool operator==(const Pixels& other) const {
        return width == other.width && height == other.height && colours == other.colours;
    }
    bool operator!=(const Pixels& other) const { return !(*this == other); }
};

// Pixels of the inner area (one pixel in from each edge) that differ by more than `tolerance`
// in a channel from `image` read at (x + originX, y + originY).
int CountUnlike(const Pixels& pixels, Gdiplus::Bitmap& image, int originX, int originY,
                int tolerance);

// gtest output: the size and the ink box against white.
void PrintTo(const Pixels& pixels, std::ostream* out);

// The window's client area as it is on screen now.
Pixels CaptureClient(HWND window);
// `text` drawn by DrawTextW with `format` into `rect` of a width x height surface of `fill`.
Pixels RenderText(HFONT font, const std::wstring& text, int width, int height, RECT rect,
                  UINT format, COLORREF ink, COLORREF fill);

// Bounding box (inclusive) of every pixel that differs from the background.
struct Ink {
    bool any = false;
    int left = 0, top = 0, right = 0, bottom = 0;
};
Ink InkOf(const Pixels& pixels, COLORREF background);

// A non-antialiased font with a cell height of 12 pixels, so ink pixels carry the text colour
// exactly and a line is 12 pixels high.
CFont MakeTestFont();
// Height of one line as DrawText lays lines out (with or without the external leading).
int LineHeight(HFONT font, bool externalLeading);
// Width of `text` in `font`.
int TextExtent(HFONT font, const std::wstring& text);

// A visible top-level framework window whose WM_GETFONT answers the font it is given.
class FontHost : public CWnd {
public:
    bool Create(const RECT& rect, HFONT font);
    DECLARE_MESSAGE_TABLE()

private:
    LRESULT OnGetFont(WPARAM, LPARAM) noexcept;
    HFONT m_font = nullptr;
};

// Counts the WM_PAINT messages of a window through a subclass of its own.
class PaintCounter {
public:
    explicit PaintCounter(HWND window);
    ~PaintCounter();
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;
    int Count() const { return m_count; }
    void Reset() { m_count = 0; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR self) noexcept;
    HWND m_window;
    int m_count = 0;
};

} // namespace halvane::test
