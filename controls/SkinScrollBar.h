// CSkinScrollBar: a scroll bar control painted from a skin bitmap of 9 x 3 square cells. It keeps
// its own SCROLLINFO (SBM_SETSCROLLINFO / SBM_GETSCROLLINFO never reach the system's bar),
// hit-tests and paints its parts, tracks hover and pressing, drags the thumb and auto-repeats, and
// tells its parent with WM_VSCROLL / WM_HSCROLL and the standard codes. It scrolls nothing itself.
#pragma once

#include <windows.h>

#include "controls/ScrollBarGeometry.h"
#include "framework/ScrollBar.h"

namespace halvane {

class CSkinScrollBar : public CScrollBar {
public:
    static constexpr UINT_PTR kRepeatTimer = 100;      // every 100 ms while a part is held
    static constexpr UINT_PTR kFirstRepeatTimer = 200; // 500 ms after the press

    CSkinScrollBar() noexcept;

    // Remembers the skin (not owned), takes the cell size from it and makes the bar one
    // (unscaled) cell thick. A null or unreadable bitmap gives cell size 0: nothing is drawn.
    void SetSkinBitmap(HBITMAP hSkin) noexcept;
    void SetScale(float scale) noexcept { m_fScale = scale; }
    void SetThumbMargin(int margin) noexcept { m_nThumbMargin = margin; }

    BOOL IsVertical() const noexcept { return (GetStyle() & SBS_VERT) != 0; }
    BOOL IsDragging() const noexcept { return m_bDragging != 0; }
    int GetCellSize() const noexcept { return m_nCellSize; }
    // A part's rectangle in client coordinates, at the drag position while dragging.
    RECT GetPartRect(int part) const noexcept;
    int HitTestPart(POINT point) const noexcept;

    DECLARE_MESSAGE_TABLE()

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept override;

private:
    void OnPaint() noexcept;
    void OnLButtonDown(UINT nFlags, POINT point) noexcept;
    void OnMouseMove(UINT nFlags, POINT point) noexcept;
    void OnLButtonUp(UINT nFlags, POINT point) noexcept;
    void OnTimer(UINT_PTR id) noexcept;
    void OnMouseLeave() noexcept;
    void OnSize(UINT type, int cx, int cy) noexcept;

    LRESULT OnSetScrollInfo(BOOL redraw, const SCROLLINFO* info) noexcept;
    LRESULT OnGetScrollInfo(SCROLLINFO* info) const noexcept;

    ScrollBarMetrics Metrics() const noexcept;
    RECT CellRect(int part, int row) const noexcept;
    void SendScroll(int code, int position) const noexcept;
    // Partial repaints on the window DC.
    void PaintArrow(int part, int row) noexcept;
    void PaintThumbRow(int row) noexcept;
    void PaintTrack(const RECT& rect) noexcept;
    void PaintPart(int part, int row) noexcept;

    HBITMAP m_hSkin = nullptr;
    int m_nCellSize = 0;
    int m_nLength = 0;
    SCROLLINFO m_si{};
    int m_bDragging = 0;
    POINT m_ptDragStart{0, 0};
    int m_nDragStartPos = 0;
    int m_nPressedPart = -1;
    int m_bRepeating = 0;
    int m_nHotPart = -1;
    int m_bPressedLeft = 0;
    int m_bTrackingLeave = 0;
    float m_fScale = 1.0f;
    int m_nThumbMargin = 0;
};

} // namespace halvane
