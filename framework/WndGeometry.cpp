// CWnd members that only gather or change geometry and style.
#include "framework/Wnd.h"

#include "framework/CenterPlacement.h"
#include "framework/WinApp.h"

namespace halvane {

namespace {

fw::IntRect ToIntRect(const RECT& r) noexcept {
    return {r.left, r.top, r.right, r.bottom};
}

RECT WorkAreaOf(HWND window, DWORD fallback) noexcept {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(window, fallback), &info);
    return info.rcWork;
}

} // namespace

std::wstring CWnd::GetWindowText() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLength()) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void CWnd::ClientToScreen(RECT* rect) const noexcept {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::ScreenToClient(RECT* rect) const noexcept {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) const noexcept {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) const noexcept {
    const DWORD style = GetExStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWnd::SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw) const noexcept {
    if (info == nullptr)
        return FALSE;
    info->cbSize = sizeof(SCROLLINFO);
    if (bar == SB_CTL)
        return static_cast<BOOL>(
            ::SendMessageW(m_hWnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
    ::SetScrollInfo(m_hWnd, bar, info, redraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) const noexcept {
    if (info == nullptr)
        return FALSE;
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    if (bar == SB_CTL)
        return static_cast<BOOL>(
            ::SendMessageW(m_hWnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    return ::GetScrollInfo(m_hWnd, bar, info);
}

void CWnd::CenterWindow(const CWnd* alternateOwner) const noexcept {
    if (m_hWnd == nullptr)
        return;
    const bool child = (GetStyle() & WS_CHILD) != 0;
    HWND center = alternateOwner ? alternateOwner->m_hWnd
                                 : (child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    RECT centerOn{};
    RECT area{};
    if (child) {
        HWND parent = ::GetParent(m_hWnd);
        ::GetClientRect(parent, &area);
        ::MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&area), 2);
        if (center != nullptr && center != parent) {
            ::GetWindowRect(center, &centerOn);
        } else {
            centerOn = area;
        }
    } else {
        if (center != nullptr && (!::IsWindowVisible(center) || ::IsIconic(center)))
            center = nullptr;
        if (center == nullptr) {
            CWinApp* app = CWinApp::Current();
            HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
            area = WorkAreaOf(main ? main : m_hWnd, MONITOR_DEFAULTTOPRIMARY);
            centerOn = area;
        } else {
            ::GetWindowRect(center, &centerOn);
            area = WorkAreaOf(center, MONITOR_DEFAULTTONEAREST);
        }
    }
    const fw::IntPoint at =
        fw::CenteredTopLeft(ToIntRect(window), ToIntRect(centerOn), ToIntRect(area));
    POINT position{at.x, at.y};
    if (child)
        ::ScreenToClient(::GetParent(m_hWnd), &position);
    ::SetWindowPos(m_hWnd, nullptr, position.x, position.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace halvane
