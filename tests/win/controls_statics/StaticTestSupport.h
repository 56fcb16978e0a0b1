// Helpers of the text statics' Wine tests: a visible parent whose font the test chooses, a
// comparison with a reference image, and a count of the WM_PAINT messages a window receives.
#pragma once

#include <windows.h>

#include "framework/Font.h"
#include "framework/Wnd.h"
#include "win/support/Capture.h"
#include "win/support/Gdiplus.h"
#include "win/support/Pixels.h"
#include "win/support/Pump.h"
#include "win/support/Text.h"

namespace halvane::test {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Pixels of the inner area of `shown` (one pixel in from each edge) that differ by more than
// `tolerance` in a channel from `reference` read at (x + originX, y + originY).
int CountUnlike(const Pixels& shown, const Pixels& reference, int originX, int originY,
                int tolerance);

// A non-antialiased font with a cell height of 12 pixels, so ink pixels carry the text colour
// exactly and a line is 12 pixels high.
CFont MakeTestFont();
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
