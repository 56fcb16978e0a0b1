// CScrollBar: a scroll bar control. Scroll state goes through SBM_SETSCROLLINFO and
// SBM_GETSCROLLINFO, so a bar that keeps its own state (the skinned bar) answers them.
#pragma once

#include "framework/Wnd.h"

namespace halvane {

class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) noexcept {
        return CWnd::Create(L"SCROLLBAR", nullptr, style, rect, parent, id);
    }
    BOOL SetScrollInfo(SCROLLINFO* info, BOOL redraw = TRUE) const noexcept {
        return CWnd::SetScrollInfo(SB_CTL, info, redraw);
    }
    BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const noexcept {
        return CWnd::GetScrollInfo(SB_CTL, info, mask);
    }
    int GetScrollPos() const noexcept {
        SCROLLINFO info{};
        return GetScrollInfo(&info, SIF_POS) ? info.nPos : 0;
    }
    BOOL EnableScrollBar(UINT arrows = ESB_ENABLE_BOTH) const noexcept {
        return ::EnableScrollBar(GetSafeHwnd(), SB_CTL, arrows);
    }
};

} // namespace halvane
