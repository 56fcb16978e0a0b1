// CDrawStateInfoStatic: a static that paints a status text followed by animated dots ("", ".",
// "..", "...", then again), advanced once a second by its own timer 36, on a white fill and
// optionally over a part of its owner's background image. Layouts: StateInfoLayout (TextLayout.h).
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Static.h"

namespace halvane {

class CDrawStateInfoStatic : public CStatic {
public:
    static constexpr UINT_PTR kAnimationTimer = 36;
    static constexpr UINT kAnimationPeriodMs = 1000;

    CDrawStateInfoStatic() noexcept;
    ~CDrawStateInfoStatic() override = default;

    // The font is CreateDerivedFont of the parent window with these changes.
    void SetTextFont(int nSizeDelta, int nWeight) noexcept;
    void SetAlignMode(int nMode) noexcept { m_alignMode = nMode; }
    // The owner's image; it stays the owner's. The rectangle is in image pixels.
    void SetBkImage(Gdiplus::Image* image) noexcept { m_bkImage = image; }
    void SetBkImageRect(int left, int top, int right, int bottom) noexcept;
    // Stores the colour and repaints.
    void SetTextColor(COLORREF colour) noexcept;

    // Timer 36 every second: each tick appends one more dot, after three none again.
    void StartAnimation() noexcept;
    // Kills the timer and drops the dots.
    void StopAnimation() noexcept;
    // Drops the dots; the timer keeps running.
    void ResetAnimation() noexcept;

    DECLARE_MESSAGE_TABLE()

private:
    void OnPaint() noexcept;
    void OnTimer(UINT_PTR nIDEvent) noexcept;
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam) noexcept;
    void DrawContent(HDC dc, RECT client) noexcept;
    void Repaint() const noexcept;

    CBrush m_fillBrush;
    CFont m_font;
    COLORREF m_textColour = RGB(0, 0, 0);
    int m_dotCount = 0;
    int m_alignMode = 0;
    Gdiplus::Image* m_bkImage = nullptr;
    RECT m_bkImageRect{};
};

} // namespace halvane
