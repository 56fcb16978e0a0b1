#include "controls/SkinScrollWnd.h"

#include <new>

#include "framework/DC.h"
#include "framework/PaintDC.h"
#include "framework/ScopedSelect.h"
#include "framework/WindowClass.h"

namespace halvane {

namespace {

constexpr DWORD kFrameStyle = 0x40000100; // WS_CHILD | 0x0100
constexpr UINT kPollMs = 500;

CSkinScrollWnd* FrameOf(HWND control) noexcept {
    return reinterpret_cast<CSkinScrollWnd*>(::GetWindowLongPtrW(control, GWLP_USERDATA));
}

bool SameState(const SCROLLINFO& a, const SCROLLINFO& b) noexcept {
    return a.nMax == b.nMax && a.nMin == b.nMin && a.nPos == b.nPos && a.nPage == b.nPage;
}

SCROLLINFO ReadControl(HWND control, int bar) noexcept {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!::GetScrollInfo(control, bar, &info))
        info = SCROLLINFO{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    return info;
}

SCROLLINFO ReadBar(const CSkinScrollBar& bar) noexcept {
    SCROLLINFO info{};
    bar.GetScrollInfo(&info, SIF_ALL);
    return info;
}

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window) noexcept {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

BOOL DetachWindow(HWND control) noexcept {
    if (control == nullptr)
        return TRUE;
    CSkinScrollWnd* frame = FrameOf(control);
    if (frame == nullptr)
        return TRUE;
    frame->Unhost(control);
    delete frame;
    return TRUE;
}

} // namespace

const fw::MessageTable& CSkinScrollWnd::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessageRaw<WM_SKINFRAME_LAYOUT, &CSkinScrollWnd::OnLayout>(),
        fw::OnMessage<WM_SIZE, &CSkinScrollWnd::OnSize>(),
        fw::OnMessage<WM_VSCROLL, &CSkinScrollWnd::OnVScroll>(),
        fw::OnMessage<WM_HSCROLL, &CSkinScrollWnd::OnHScroll>(),
        fw::OnMessage<WM_TIMER, &CSkinScrollWnd::OnTimer>(),
        fw::OnMessage<WM_PAINT, &CSkinScrollWnd::OnPaint>(),
        fw::OnMessage<WM_DESTROY, &CSkinScrollWnd::OnDestroy>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

CSkinScrollWnd::CSkinScrollWnd() noexcept = default;

CSkinScrollWnd::~CSkinScrollWnd() {
    // Deleted while still hosting (its window goes with it): the control must not keep a hook
    // that points at a dead frame.
    if (HWND control = HostedWindow())
        Unhook(control);
}

HWND CSkinScrollWnd::HostedWindow() const noexcept {
    return m_wndLimit.IsWindow() ? ::GetWindow(m_wndLimit.GetSafeHwnd(), GW_CHILD) : nullptr;
}

BOOL CSkinScrollWnd::CreateFrame(DWORD exStyle, DWORD style, const RECT& rect, HWND parent,
                                 UINT id) noexcept {
    std::wstring cls;
    try {
        cls = fw::RegisterWndClass(0);
    } catch (...) {
        return FALSE;
    }
    if (cls.empty())
        return FALSE;
    if (CWnd* bound = CWnd::FromHandle(parent))
        return CreateEx(exStyle, cls.c_str(), L"SkinScrollBarFrame", style, rect, bound, id);
    // A parent no object is bound to: create unparented, then make it the child it should be.
    if (!CreateEx(exStyle, cls.c_str(), L"SkinScrollBarFrame", style & ~WS_CHILD, rect, nullptr, 0))
        return FALSE;
    ::SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE, static_cast<LONG_PTR>(style));
    ::SetParent(GetSafeHwnd(), parent);
    ::SetWindowLongPtrW(GetSafeHwnd(), GWLP_ID, static_cast<LONG_PTR>(id));
    ::SetWindowPos(GetSafeHwnd(), nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL CSkinScrollWnd::HostControl(CWnd* pCtrl, HBITMAP hSkin) noexcept {
    if (pCtrl == nullptr || !pCtrl->IsWindow())
        return TRUE;
    HWND control = pCtrl->GetSafeHwnd();
    m_hSkin = hSkin;
    BITMAP bm{};
    if (hSkin == nullptr || ::GetObjectW(hSkin, sizeof(bm), &bm) != sizeof(bm))
        bm.bmWidth = 0; // no usable skin: bars of width 0, nothing drawn
    m_nBarWidth = static_cast<int>(static_cast<float>(SkinCellSize(bm.bmWidth)) * m_fScale);

    HWND parent = ::GetParent(control);
    const RECT frameRect = RectInParent(control);
    RECT ctrlRect{0, 0, frameRect.right - frameRect.left, frameRect.bottom - frameRect.top};

    const UINT id = static_cast<UINT>(::GetDlgCtrlID(control));
    const DWORD style = pCtrl->GetStyle();
    const DWORD exStyle = pCtrl->GetExStyle();
    DWORD frameStyle = kFrameStyle | (style & WS_VISIBLE);
    const DWORD frameExStyle =
        (exStyle & WS_EX_TOOLWINDOW) != 0 ? (WS_EX_TOOLWINDOW | WS_EX_TOPMOST) : 0;
    if ((style & WS_BORDER) != 0) {
        frameStyle |= WS_BORDER;
        pCtrl->ModifyStyle(WS_BORDER, 0);
        const int border = 2 * ::GetSystemMetrics(SM_CXBORDER);
        ctrlRect.right -= border;
        ctrlRect.bottom -= border;
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        pCtrl->ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
        const int edge =
            static_cast<int>(2.0f * static_cast<float>(::GetSystemMetrics(SM_CXEDGE)) * m_fScale);
        ctrlRect.right -= edge;
        ctrlRect.bottom -= edge;
    }

    CreateFrame(frameExStyle, frameStyle, frameRect, parent, id);
    const RECT empty{0, 0, 0, 0};
    m_wndLimit.Create(nullptr, L"LIMIT", WS_CHILD | WS_VISIBLE, empty, this, kLimitId);
    m_horzBar.SetScale(m_fScale);
    m_horzBar.SetThumbMargin(m_nThumbMargin);
    m_horzBar.Create(WS_CHILD | SBS_HORZ, empty, this, kHorzBarId);
    m_vertBar.SetScale(m_fScale);
    m_vertBar.SetThumbMargin(m_nThumbMargin);
    m_vertBar.Create(WS_CHILD | SBS_VERT, empty, this, kVertBarId);
    m_horzBar.SetSkinBitmap(hSkin);
    m_vertBar.SetSkinBitmap(hSkin);

    ::SetParent(control, m_wndLimit.GetSafeHwnd());
    ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pPrevProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinScrollWnd::HostedControlProc)));

    // The resize makes the control compute its non-client area again, through the hook.
    ctrlRect.right += static_cast<int>(4.0f * m_fScale);
    ::MoveWindow(control, 0, 0, ctrlRect.right - ctrlRect.left, ctrlRect.bottom - ctrlRect.top,
                 TRUE);
    SetTimer(kPollTimer, kPollMs);
    return TRUE;
}

void CSkinScrollWnd::Unhook(HWND control) noexcept {
    if (FrameOf(control) != this)
        return;
    // Someone chained a procedure on top of the hook: it cannot be taken out from under them.
    const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC));
    if (current == &CSkinScrollWnd::HostedControlProc && m_pPrevProc != nullptr)
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pPrevProc));
    ::SetWindowLongPtrW(control, GWLP_USERDATA, 0);
}

void CSkinScrollWnd::Unhost(HWND control) noexcept {
    const HWND parent = GetParentHandle();
    const RECT rect = IsWindow() ? RectInParent(GetSafeHwnd()) : RECT{};
    Unhook(control);
    if (parent != nullptr) {
        ::SetParent(control, parent);
        ::MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     TRUE);
    }
    DestroyWindow();
}

void CSkinScrollWnd::OnDestroy() noexcept {
    CWnd::OnDestroy();
    KillTimer(kPollTimer);
    // Destroyed with its parent while still hosting: the control dies inside it, unhooked, and
    // nobody will call DetachSkinScrollBar for this frame any more.
    if (HWND control = HostedWindow(); control != nullptr && FrameOf(control) == this) {
        Unhook(control);
        m_bDeleteWithWindow = true;
    }
}

void CSkinScrollWnd::PostNcDestroy() noexcept {
    if (m_bDeleteWithWindow)
        delete this;
}

LRESULT CALLBACK CSkinScrollWnd::HostedControlProc(HWND hwnd, UINT message, WPARAM wParam,
                                                   LPARAM lParam) noexcept {
    CSkinScrollWnd* frame = FrameOf(hwnd);
    if (frame == nullptr)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC previous = frame->m_pPrevProc;
    if (message == WM_DESTROY) {
        DetachWindow(hwnd); // deletes the frame
        return ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    const LRESULT result = ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
    // The message may have detached the control (and deleted the frame).
    if (FrameOf(hwnd) != frame || frame->m_bBusy != 0)
        return result;
    if (message == WM_ERASEBKGND)
        frame->SyncBars(hwnd);
    else if (message == WM_NCCALCSIZE && wParam != 0)
        frame->LayoutBars(hwnd, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
    return result;
}

void CSkinScrollWnd::SyncBars(HWND control) noexcept {
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE));
    const struct {
        DWORD flag;
        int bar;
        CSkinScrollBar* skin;
    } bars[] = {{WS_VSCROLL, SB_VERT, &m_vertBar}, {WS_HSCROLL, SB_HORZ, &m_horzBar}};
    for (const auto& b : bars) {
        if ((style & b.flag) == 0)
            continue;
        SCROLLINFO info = ReadControl(control, b.bar);
        if (SameState(info, ReadBar(*b.skin)))
            continue;
        b.skin->SetScrollInfo(&info, TRUE);
        b.skin->EnableWindow(info.nMax >= static_cast<int>(info.nPage));
    }
}

void CSkinScrollWnd::LayoutBars(HWND control, NCCALCSIZE_PARAMS* params) noexcept {
    if (params == nullptr)
        return;
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_EXSTYLE));
    const bool vertical = (style & WS_VSCROLL) != 0;
    const bool horizontal = (style & WS_HSCROLL) != 0;
    const bool left = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    const int grow = ::GetSystemMetrics(SM_CXVSCROLL) - m_nBarWidth;
    const int b = m_nBarWidth;
    RECT& client = params->rgrc[0];
    // The control's own bar keeps only b pixels, outside the clipping window, under the skin bar.
    if (vertical) {
        if (left)
            client.left -= grow;
        else
            client.right += grow;
    }
    if (horizontal)
        client.bottom += grow;
    RECT vert{}, horz{};
    if (left) {
        vert = RECT{client.left - b, 0, client.left, client.bottom};
        horz = RECT{client.left, client.bottom, client.right, client.bottom + b};
    } else {
        vert = RECT{client.right, 0, client.right + b, client.bottom};
        horz = RECT{0, client.bottom, client.right, client.bottom + b};
    }
    m_nCornerMode = vertical && horizontal ? (left ? 1 : 2) : 0;
    if (vertical) {
        m_vertBar.MoveWindow(vert);
        m_vertBar.ShowWindow(SW_SHOW);
    } else {
        m_vertBar.ShowWindow(SW_HIDE);
    }
    if (horizontal) {
        m_horzBar.MoveWindow(horz);
        m_horzBar.ShowWindow(SW_SHOW);
    } else {
        m_horzBar.ShowWindow(SW_HIDE);
    }
    PostMessage(WM_SKINFRAME_LAYOUT, style & WS_VSCROLL, exStyle & WS_EX_LEFTSCROLLBAR);
}

LRESULT CSkinScrollWnd::OnLayout(WPARAM vertical, LPARAM left) noexcept {
    m_bBusy = 1;
    RECT clip{};
    GetClientRect(&clip);
    int x = 0;
    if ((m_horzBar.GetStyle() & WS_VISIBLE) != 0)
        clip.bottom -= m_nBarWidth;
    if (left != 0) {
        if (vertical != 0) {
            clip.left += m_nBarWidth;
            x = -m_nBarWidth;
        }
    } else if (vertical != 0) {
        clip.right -= m_nBarWidth;
    }
    m_wndLimit.MoveWindow(clip);
    if (HWND control = HostedWindow())
        ::SetWindowPos(control, nullptr, x, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_bBusy = 0;
    return 0;
}

void CSkinScrollWnd::OnSize(UINT, int cx, int cy) noexcept {
    Default();
    if (cx == 0 || cy == 0 || !m_wndLimit.IsWindow())
        return;
    if (HWND control = HostedWindow())
        ::MoveWindow(control, 0, 0, cx, cy, TRUE);
}

void CSkinScrollWnd::Forward(UINT message, int bar, CSkinScrollBar& skinBar, UINT code,
                             UINT pos) noexcept {
    HWND control = HostedWindow();
    if (control == nullptr)
        return;
    m_bBusy = 1;
    ::SendMessageW(control, message, MAKEWPARAM(code, pos), 0);
    m_bBusy = 0;
    if (code == SB_THUMBTRACK)
        return;
    SCROLLINFO info = ReadControl(control, bar);
    skinBar.SetScrollInfo(&info, TRUE);
}

void CSkinScrollWnd::OnVScroll(UINT code, UINT pos, HWND) noexcept {
    Forward(WM_VSCROLL, SB_VERT, m_vertBar, code, pos);
}

void CSkinScrollWnd::OnHScroll(UINT code, UINT pos, HWND) noexcept {
    Forward(WM_HSCROLL, SB_HORZ, m_horzBar, code, pos);
}

// The poll catches scrolling that came without a background erase (wheel, keys, new text).
void CSkinScrollWnd::OnTimer(UINT_PTR) noexcept {
    HWND control = HostedWindow();
    if (control == nullptr)
        return;
    const struct {
        int bar;
        CSkinScrollBar* skin;
    } bars[] = {{SB_VERT, &m_vertBar}, {SB_HORZ, &m_horzBar}};
    for (const auto& b : bars) {
        if ((b.skin->GetStyle() & WS_VISIBLE) == 0 || b.skin->IsDragging())
            continue;
        SCROLLINFO info = ReadControl(control, b.bar);
        if (!SameState(info, ReadBar(*b.skin)))
            b.skin->SetScrollInfo(&info, TRUE);
    }
}

void CSkinScrollWnd::OnPaint() noexcept {
    CPaintDC dc(GetSafeHwnd());
    if (m_hSkin == nullptr || m_nCornerMode == 0 || m_nBarWidth <= 0)
        return;
    CDC skin;
    if (!skin.CreateCompatibleDC(dc))
        return;
    fw::ScopedSelect select(skin, m_hSkin);
    RECT client{};
    GetClientRect(&client);
    const int b = m_nBarWidth;
    if (m_nCornerMode == 1)
        ::BitBlt(dc, client.left, client.bottom - b, b, b, skin, 8 * b, b, SRCCOPY);
    else
        ::BitBlt(dc, client.right - b, client.bottom - b, b, b, skin, 8 * b, 0, SRCCOPY);
}

CSkinScrollWnd* AttachSkinScrollBar(CWnd* pCtrl, HBITMAP hSkin, float fScale, int nThumbMargin) {
    auto* frame = new (std::nothrow) CSkinScrollWnd;
    if (frame == nullptr)
        return nullptr;
    frame->SetScale(fScale);
    frame->SetThumbMargin(nThumbMargin);
    frame->HostControl(pCtrl, hSkin);
    return frame;
}

BOOL DetachSkinScrollBar(CWnd* pCtrl) {
    return DetachWindow(pCtrl != nullptr ? pCtrl->GetSafeHwnd() : nullptr);
}

} // namespace halvane
