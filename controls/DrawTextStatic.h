// CDrawTextStatic: a static that paints its own window text, off-screen, in one of eight layouts
// (TextLayout.h), in a font derived from its parent's, over a solid fill and optionally over a
// part of its owner's background image, with a second text colour while the pointer is over it.
// Owners configure it before its first paint: SetBkImage and SetBkImageRect, SetTextFont,
// SetAlignMode, SetBkColor, SetTextColors.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Static.h"

namespace halvane {

class CDrawTextStatic : public CStatic {
public:
    CDrawTextStatic() noexcept = default;
    ~CDrawTextStatic() override = default;

    // The font is CreateDerivedFont of the parent window with these changes.
    void SetTextFont(int nSizeDelta, int nWeight) noexcept;
    void SetAlignMode(int nMode) noexcept { m_alignMode = nMode; }
    // The fill brush is made once, at the first paint: a later colour is not used.
    void SetBkColor(COLORREF colour) noexcept { m_fillColour = colour; }
    void SetTextColors(COLORREF normal, COLORREF hover) noexcept;
    // The owner's image; it stays the owner's. The rectangle is in image pixels.
    void SetBkImage(Gdiplus::Image* image) noexcept { m_bkImage = image; }
    void SetBkImageRect(int left, int top, int right, int bottom) noexcept;

    // Screen coordinates. Repaints only when the answer differs from the last one.
    void UpdateHover(int x, int y) noexcept;
    // 1 when the screen point lies in the control's window rectangle, else 0.
    int IsPointInside(int x, int y) const noexcept;

    DECLARE_MESSAGE_TABLE()

private:
    void OnPaint() noexcept;
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam) noexcept;
    void DrawContent(HDC dc, RECT client) noexcept;

    CBrush m_fillBrush;
    CFont m_font;
    COLORREF m_normalColour = RGB(0, 0, 0);
    COLORREF m_hoverColour = RGB(0, 0, 255);
    COLORREF m_fillColour = RGB(255, 255, 255);
    int m_hover = 0;
    int m_alignMode = 0;
    Gdiplus::Image* m_bkImage = nullptr;
    RECT m_bkImageRect{};
};

} // namespace halvane
