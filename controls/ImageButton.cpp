#include "controls/ImageButton.h"

#include "framework/MemoryDC.h"

namespace halvane {

namespace {

PixelRect ToPixelRect(const RECT& rect) noexcept {
    return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

const fw::MessageTable& CImageButton::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_MOUSEMOVE, &CImageButton::OnMouseMove>(),
        fw::OnMessage<WM_MOUSEHOVER, &CImageButton::OnMouseHover>(),
        fw::OnMessage<WM_LBUTTONUP, &CImageButton::OnMouseHover>(),
        fw::OnMessage<WM_LBUTTONDOWN, &CImageButton::OnLButtonDown>(),
        fw::OnMessage<WM_MOUSELEAVE, &CImageButton::OnMouseLeave>(),
        fw::OnMessage<WM_ERASEBKGND, &CImageButton::OnEraseBkgnd>(),
    };
    static const fw::MessageTable table{&CButton::Messages(), entries};
    return table;
}

CImageButton::CImageButton() noexcept : m_fillBrush(RGB(255, 255, 255)) {}

CImageButton::~CImageButton() = default;

void CImageButton::SetPngImages(UINT normalId, UINT hoverId, UINT pressedId,
                                UINT disabledId) noexcept {
    m_images.Load(normalId, hoverId, pressedId, disabledId);
}

void CImageButton::ReleasePngImages() noexcept {
    m_images.Release();
}

void CImageButton::SetBkImageRect(int left, int top, int right, int bottom) noexcept {
    m_rcBkImage = RECT{left, top, right, bottom};
}

void CImageButton::SetHitMargins(int left, int top, int right, int bottom) noexcept {
    m_hitMargins = HitMargins{left, top, right, bottom};
}

BOOL CImageButton::IsCursorInside() const noexcept {
    RECT client{};
    GetClientRect(&client);
    POINT cursor{};
    if (!::GetCursorPos(&cursor))
        return FALSE;
    ScreenToClient(&cursor);
    return ContainsPoint(ShrinkByMargins(ToPixelRect(client), m_hitMargins), cursor.x, cursor.y)
               ? TRUE
               : FALSE;
}

void CImageButton::EnableButton(BOOL bEnable) noexcept {
    // Ordered so that a paint in between never meets an enabled window in state 4, which would
    // show no face: disabling changes the window first, enabling the state first.
    if (bEnable) {
        m_nState.store(kButtonNormal);
        EnableWindow(TRUE);
    } else {
        EnableWindow(FALSE);
        m_nState.store(kButtonDisabled);
    }
    InvalidateRect(nullptr, TRUE);
}

void CImageButton::OnMouseMove(UINT, POINT) noexcept {
    Default();
    if (!IsWindowEnabled() || m_bTracking != 0)
        return;
    TrackHoverAndLeave(GetSafeHwnd());
    m_bTracking = 1;
}

void CImageButton::OnMouseHover(UINT, POINT point) noexcept {
    Transition(PointerEvent::Hover, IsInClient(point));
    Default();
}

void CImageButton::OnLButtonDown(UINT, POINT point) noexcept {
    Transition(PointerEvent::Press, IsInClient(point));
    Default();
}

void CImageButton::OnMouseLeave() noexcept {
    Default();
    Transition(PointerEvent::Leave, true);
    m_bTracking = 0;
}

BOOL CImageButton::OnEraseBkgnd(HDC dc) noexcept {
    // The face goes in with the background, before the regular paint.
    Compose(dc);
    return TRUE;
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) noexcept {
    if (lpDrawItemStruct != nullptr)
        Compose(lpDrawItemStruct->hDC);
}

void CImageButton::Transition(PointerEvent event, bool inside) noexcept {
    int current = m_nState.load();
    const int next = NextButtonState(current, event, IsWindowEnabled() != FALSE, inside);
    if (next == current)
        return;
    // EnableButton on another thread wins over a transition computed from the older value.
    if (m_nState.compare_exchange_strong(current, next))
        InvalidateRect(nullptr, TRUE);
}

bool CImageButton::IsInClient(POINT point) const noexcept {
    RECT client{};
    GetClientRect(&client);
    return ContainsPoint(ToPixelRect(client), point.x, point.y);
}

void CImageButton::Compose(HDC target) noexcept {
    if (target == nullptr || !m_images.Complete())
        return;
    GetClientRect(&m_rcClient);
    const int width = m_rcClient.right - m_rcClient.left;
    const int height = m_rcClient.bottom - m_rcClient.top;
    CMemoryDC memory(target, width, height);
    if (!memory.IsValid())
        return;
    ::FillRect(memory, &m_rcClient, m_fillBrush);
    ::SetBkMode(memory, TRANSPARENT);
    // One read of the state: the whole face comes from the same value; it is drawn whole.
    Gdiplus::Image* face = m_images.Get(ChooseFace(m_nState.load(), IsWindowEnabled() != FALSE));
    DrawButtonFace(memory, m_rcClient, m_pBkImage, m_rcBkImage, face, 1.0f);
    memory.BlitTo(target, 0, 0);
}

} // namespace halvane
