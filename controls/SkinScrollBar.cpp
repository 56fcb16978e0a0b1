#include "controls/SkinScrollBar.h"

#include <commctrl.h>

#include "framework/ClientDC.h"
#include "framework/DC.h"
#include "framework/PaintDC.h"
#include "framework/ScopedSelect.h"

namespace halvane {

namespace {

constexpr UINT kNoFlags = static_cast<UINT>(-1); // OnMouseMove called by the leave handler
constexpr UINT kRepeatDelayMs = 500;
constexpr UINT kRepeatMs = 100;

RECT ToRect(const PixelRect& r) noexcept {
    return RECT{r.left, r.top, r.right, r.bottom};
}

PixelRect ToPixels(const RECT& r) noexcept {
    return PixelRect{r.left, r.top, r.right, r.bottom};
}

bool IsArrow(int part) noexcept {
    return part == kScrollLineUp || part == kScrollLineDown;
}

// The skin selected into a memory DC for the length of one paint.
class SkinSource {
public:
    SkinSource(HDC target, HBITMAP skin) noexcept
        : m_ok(skin != nullptr && m_dc.CreateCompatibleDC(target)), m_select(m_dc, skin) {}
    SkinSource(const SkinSource&) = delete;
    SkinSource& operator=(const SkinSource&) = delete;
    bool Ok() const noexcept { return m_ok; }
    operator HDC() const noexcept { return m_dc; }

private:
    CDC m_dc;
    bool m_ok;
    fw::ScopedSelect m_select;
};

void Blit(HDC target, HDC source, const CellBlit& b) noexcept {
    ::StretchBlt(target, b.dest.left, b.dest.top, b.dest.Width(), b.dest.Height(), source,
                 b.source.left, b.source.top, b.source.Width(), b.source.Height(), SRCCOPY);
}

// Draws the blits clipped to `rect`: a scaled last tile must not spill onto a neighbour part.
void BlitAllClipped(HDC target, HDC source, const RECT& rect,
                    const std::vector<CellBlit>& blits) noexcept {
    if (blits.empty())
        return;
    const int saved = ::SaveDC(target);
    ::IntersectClipRect(target, rect.left, rect.top, rect.right, rect.bottom);
    for (const CellBlit& b : blits)
        Blit(target, source, b);
    ::RestoreDC(target, saved);
}

void TileCell(HDC target, const RECT& rect, HDC source, const RECT& cell, float scale) noexcept {
    try {
        BlitAllClipped(target, source, rect, TileCellBlits(ToPixels(rect), ToPixels(cell), scale));
    } catch (...) {
        // Out of memory for the tile list: the region stays as it was until the next paint.
    }
}

void PaintThumb(HDC target, const RECT& rect, HDC source, const RECT& cell, bool vertical,
                int margin, float scale) noexcept {
    try {
        BlitAllClipped(target, source, rect,
                       ThumbBlits(ToPixels(rect), ToPixels(cell), vertical, margin, scale));
    } catch (...) {
    }
}

} // namespace

const fw::MessageTable& CSkinScrollBar::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_PAINT, &CSkinScrollBar::OnPaint>(),
        fw::OnMessage<WM_LBUTTONDOWN, &CSkinScrollBar::OnLButtonDown>(),
        fw::OnMessage<WM_MOUSEMOVE, &CSkinScrollBar::OnMouseMove>(),
        fw::OnMessage<WM_LBUTTONUP, &CSkinScrollBar::OnLButtonUp>(),
        fw::OnMessage<WM_TIMER, &CSkinScrollBar::OnTimer>(),
        fw::OnMessage<WM_MOUSELEAVE, &CSkinScrollBar::OnMouseLeave>(),
        fw::OnMessage<WM_SIZE, &CSkinScrollBar::OnSize>(),
    };
    static const fw::MessageTable table{&CScrollBar::Messages(), entries};
    return table;
}

CSkinScrollBar::CSkinScrollBar() noexcept {
    m_si.cbSize = sizeof(m_si);
    m_si.nTrackPos = -1;
}

void CSkinScrollBar::SetSkinBitmap(HBITMAP hSkin) noexcept {
    m_hSkin = hSkin;
    BITMAP bm{};
    if (hSkin == nullptr || ::GetObjectW(hSkin, sizeof(bm), &bm) != sizeof(bm))
        bm.bmWidth = 0;
    m_nCellSize = SkinCellSize(bm.bmWidth);
    if (!IsWindow())
        return;
    RECT rect{};
    GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, GetParentHandle(), reinterpret_cast<POINT*>(&rect), 2);
    if (IsVertical())
        rect.right = rect.left + m_nCellSize;
    else
        rect.bottom = rect.top + m_nCellSize;
    MoveWindow(rect);
}

ScrollBarMetrics CSkinScrollBar::Metrics() const noexcept {
    ScrollBarMetrics m;
    m.length = m_nLength;
    m.cell = m_nCellSize;
    m.scale = m_fScale;
    m.minPos = m_si.nMin;
    m.maxPos = m_si.nMax;
    m.page = m_si.nPage;
    m.pos = m_si.nPos;
    m.trackPos = m_si.nTrackPos;
    m.thumbMargin = m_nThumbMargin;
    return m;
}

RECT CSkinScrollBar::GetPartRect(int part) const noexcept {
    return ToRect(PartRect(Metrics(), part, IsVertical() != FALSE));
}

int CSkinScrollBar::HitTestPart(POINT point) const noexcept {
    return halvane::HitTestPart(Metrics(), IsVertical() ? point.y : point.x);
}

// Column of a part's cell: arrows 0/1, thumb 2, track 3; four more on a horizontal bar.
RECT CSkinScrollBar::CellRect(int part, int row) const noexcept {
    int column = 3;
    if (part == kScrollLineUp)
        column = 0;
    else if (part == kScrollLineDown)
        column = 1;
    else if (part == kScrollThumb)
        column = 2;
    if (!IsVertical())
        column += 4;
    const int c = m_nCellSize;
    return RECT{column * c, row * c, column * c + c, row * c + c};
}

void CSkinScrollBar::SendScroll(int code, int position) const noexcept {
    const UINT message = IsVertical() ? WM_VSCROLL : WM_HSCROLL;
    ::SendMessageW(GetParentHandle(), message,
                   MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
                   reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CSkinScrollBar::PaintArrow(int part, int row) noexcept {
    if (m_hSkin == nullptr || !IsArrow(part))
        return;
    CClientDC dc(GetSafeHwnd());
    SkinSource skin(dc, m_hSkin);
    if (!skin.Ok())
        return;
    const RECT rect = GetPartRect(part);
    const RECT cell = CellRect(part, row);
    ::StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, skin,
                 cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, SRCCOPY);
}

void CSkinScrollBar::PaintThumbRow(int row) noexcept {
    if (m_hSkin == nullptr)
        return;
    CClientDC dc(GetSafeHwnd());
    SkinSource skin(dc, m_hSkin);
    if (skin.Ok())
        PaintThumb(dc, GetPartRect(kScrollThumb), skin, CellRect(kScrollThumb, row),
                   IsVertical() != FALSE, m_nThumbMargin, m_fScale);
}

void CSkinScrollBar::PaintTrack(const RECT& rect) noexcept {
    if (m_hSkin == nullptr)
        return;
    CClientDC dc(GetSafeHwnd());
    SkinSource skin(dc, m_hSkin);
    if (skin.Ok())
        TileCell(dc, rect, skin, CellRect(kScrollPageUp, 0), m_fScale);
}

// Hover look: thumb and arrows only, page regions have none.
void CSkinScrollBar::PaintPart(int part, int row) noexcept {
    if (part == kScrollThumb)
        PaintThumbRow(row);
    else
        PaintArrow(part, row);
}

void CSkinScrollBar::OnPaint() noexcept {
    CPaintDC dc(GetSafeHwnd());
    if (m_hSkin == nullptr)
        return;
    SkinSource skin(dc, m_hSkin);
    if (!skin.Ok())
        return;
    const bool vertical = IsVertical() != FALSE;
    for (int part : {static_cast<int>(kScrollLineUp), static_cast<int>(kScrollLineDown)}) {
        const RECT rect = GetPartRect(part);
        const RECT cell = CellRect(part, 0);
        ::StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, skin,
                     cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, SRCCOPY);
    }
    PaintThumb(dc, GetPartRect(kScrollThumb), skin, CellRect(kScrollThumb, 0), vertical,
               m_nThumbMargin, m_fScale);
    TileCell(dc, GetPartRect(kScrollPageUp), skin, CellRect(kScrollPageUp, 0), m_fScale);
    TileCell(dc, GetPartRect(kScrollPageDown), skin, CellRect(kScrollPageDown, 0), m_fScale);
}

void CSkinScrollBar::OnLButtonDown(UINT, POINT point) noexcept {
    SetCapture();
    const int part = HitTestPart(point);
    if (part == kScrollThumb) {
        m_bDragging = 1;
        m_ptDragStart = point;
        m_si.nTrackPos = m_si.nPos;
        m_nDragStartPos = m_si.nPos;
        return;
    }
    if (part == kScrollPartNone)
        return;
    m_nPressedPart = part;
    SendScroll(part, 0);
    SetTimer(kFirstRepeatTimer, kRepeatDelayMs);
    m_bPressedLeft = 0;
    if (IsArrow(part))
        PaintArrow(part, 2);
}

void CSkinScrollBar::OnMouseMove(UINT nFlags, POINT point) noexcept {
    if (m_bTrackingLeave == 0 && nFlags != kNoFlags) {
        TRACKMOUSEEVENT request{};
        request.cbSize = sizeof(request);
        request.dwFlags = TME_LEAVE;
        request.hwndTrack = GetSafeHwnd();
        request.dwHoverTime = 1;
        m_bTrackingLeave = ::_TrackMouseEvent(&request);
    }
    const bool vertical = IsVertical() != FALSE;
    if (m_bDragging != 0) {
        const int delta = vertical ? point.y - m_ptDragStart.y : point.x - m_ptDragStart.x;
        const int next = DragPosition(Metrics(), m_nDragStartPos, delta);
        if (next == m_si.nTrackPos)
            return;
        const RECT before = GetPartRect(kScrollThumb);
        m_si.nTrackPos = next;
        const RECT after = GetPartRect(kScrollThumb);
        PaintTrack(ToRect(
            UncoveredTrack(ToPixels(before), ToPixels(after), vertical, ScaledCell(Metrics()))));
        PaintThumbRow(2);
        SendScroll(SB_THUMBTRACK, m_si.nTrackPos);
        return;
    }
    if (m_nPressedPart == -1) {
        const int part = HitTestPart(point);
        if (part == m_nHotPart)
            return;
        PaintPart(m_nHotPart, 0);
        PaintPart(part, 1);
        m_nHotPart = part;
        return;
    }
    const RECT held = GetPartRect(m_nPressedPart);
    const int left = ::PtInRect(&held, point) ? 0 : 1;
    if (left != m_bPressedLeft && IsArrow(m_nPressedPart))
        PaintArrow(m_nPressedPart, left != 0 ? 0 : 2);
    m_bPressedLeft = left;
}

void CSkinScrollBar::OnLButtonUp(UINT, POINT point) noexcept {
    ::ReleaseCapture();
    if (m_bDragging == 0) {
        if (m_nPressedPart == -1)
            return;
        if (m_bRepeating != 0) {
            KillTimer(kRepeatTimer);
            m_bRepeating = 0;
        } else {
            KillTimer(kFirstRepeatTimer);
        }
        if (IsArrow(m_nPressedPart))
            PaintArrow(m_nPressedPart, 0);
        m_nPressedPart = -1;
        return;
    }
    m_bDragging = 0;
    // The parent scrolls its control and writes the new position back before this returns.
    SendScroll(SB_THUMBPOSITION, m_si.nTrackPos);
    if (m_si.nTrackPos != m_si.nPos)
        PaintTrack(GetPartRect(kScrollThumb));
    m_si.nTrackPos = -1;
    const RECT thumb = GetPartRect(kScrollThumb);
    PaintThumbRow(::PtInRect(&thumb, point) ? 1 : 0);
}

void CSkinScrollBar::OnTimer(UINT_PTR id) noexcept {
    if (id == kFirstRepeatTimer) {
        m_bRepeating = 1;
        KillTimer(kFirstRepeatTimer);
        SetTimer(kRepeatTimer, kRepeatMs);
    } else if (id != kRepeatTimer) {
        return;
    }
    if (m_bPressedLeft != 0)
        return;
    switch (m_nPressedPart) {
    case kScrollLineUp:
        if (m_si.nPos == m_si.nMin) {
            KillTimer(kRepeatTimer);
            return;
        }
        break;
    case kScrollLineDown:
        // Compared with max, not max - page + 1: with a page the repetition runs on at the end.
        if (m_si.nPos == m_si.nMax) {
            KillTimer(kRepeatTimer);
            return;
        }
        break;
    case kScrollPageUp:
    case kScrollPageDown: {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        const RECT thumb = GetPartRect(kScrollThumb);
        if (::PtInRect(&thumb, cursor)) {
            KillTimer(kRepeatTimer);
            return;
        }
        break;
    }
    default:
        return;
    }
    SendScroll(m_nPressedPart, 0);
}

void CSkinScrollBar::OnMouseLeave() noexcept {
    m_bTrackingLeave = 0;
    // A leave while captured must not count as a drag to (-1, -1) or a pointer off the held part.
    if (m_bDragging != 0 || m_nPressedPart != -1)
        return;
    OnMouseMove(kNoFlags, POINT{-1, -1});
}

void CSkinScrollBar::OnSize(UINT, int cx, int cy) noexcept {
    Default();
    m_nLength = IsVertical() ? cy : cx;
}

LRESULT CSkinScrollBar::OnSetScrollInfo(BOOL redraw, const SCROLLINFO* info) noexcept {
    if (info == nullptr)
        return 0;
    if ((info->fMask & SIF_PAGE) != 0)
        m_si.nPage = info->nPage;
    if ((info->fMask & SIF_POS) != 0)
        m_si.nPos = info->nPos;
    if ((info->fMask & SIF_RANGE) != 0) {
        m_si.nMin = info->nMin;
        m_si.nMax = info->nMax;
    }
    if (redraw) {
        PaintTrack(GetPartRect(kScrollPageUp));
        PaintThumbRow(0);
        PaintTrack(GetPartRect(kScrollPageDown));
    }
    return 1;
}

LRESULT CSkinScrollBar::OnGetScrollInfo(SCROLLINFO* info) const noexcept {
    if (info == nullptr)
        return 0;
    if ((info->fMask & SIF_PAGE) != 0)
        info->nPage = m_si.nPage;
    if ((info->fMask & SIF_POS) != 0)
        info->nPos = m_si.nPos;
    if ((info->fMask & SIF_TRACKPOS) != 0)
        info->nTrackPos = m_si.nTrackPos;
    if ((info->fMask & SIF_RANGE) != 0) {
        info->nMin = m_si.nMin;
        info->nMax = m_si.nMax;
    }
    return 1;
}

LRESULT CSkinScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_LBUTTONDBLCLK:
        return 1; // not a second press
    case SBM_SETSCROLLINFO:
        return OnSetScrollInfo(static_cast<BOOL>(wParam),
                               reinterpret_cast<const SCROLLINFO*>(lParam));
    case SBM_GETSCROLLINFO:
        return OnGetScrollInfo(reinterpret_cast<SCROLLINFO*>(lParam));
    case WM_ENABLE: {
        // The system's bar draws its own look on enabling; paint the skin over it again.
        const LRESULT result = CScrollBar::WindowProc(message, wParam, lParam);
        Invalidate(FALSE);
        return result;
    }
    default:
        return CScrollBar::WindowProc(message, wParam, lParam);
    }
}

} // namespace halvane
