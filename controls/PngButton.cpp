#include "controls/PngButton.h"

#include "controls/ButtonState.h"
#include "framework/MemoryDC.h"

namespace halvane {

const fw::MessageTable& CPngButton::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_MOUSEMOVE, &CPngButton::OnMouseMove>(),
        fw::OnMessage<WM_MOUSEHOVER, &CPngButton::OnMouseHover>(),
        fw::OnMessage<WM_LBUTTONUP, &CPngButton::OnMouseHover>(),
        fw::OnMessage<WM_LBUTTONDOWN, &CPngButton::OnLButtonDown>(),
        fw::OnMessage<WM_MOUSELEAVE, &CPngButton::OnMouseLeave>(),
    };
    static const fw::MessageTable table{&CButton::Messages(), entries};
    return table;
}

CPngButton::CPngButton() noexcept : m_fillBrush(RGB(255, 255, 255)) {}

CPngButton::~CPngButton() = default;

void CPngButton::SetPngImages(UINT normalId, UINT hoverId, UINT pressedId,
                              UINT disabledId) noexcept {
    m_images.Load(normalId, hoverId, pressedId, disabledId);
}

void CPngButton::ReleasePngImages() noexcept {
    m_images.Release();
}

void CPngButton::SetBkImageRect(int left, int top, int right, int bottom) noexcept {
    m_rcBkImage = RECT{left, top, right, bottom};
}

void CPngButton::OnMouseMove(UINT, POINT) noexcept {
    Default();
    if (!IsWindowEnabled() || m_bTracking != 0)
        return;
    // One request per entry: hover is reported once, and the flag stays until the leave.
    TrackHoverAndLeave(GetSafeHwnd());
    m_bTracking = 1;
}

void CPngButton::OnMouseHover(UINT, POINT) noexcept {
    // A release counts as a hover wherever it happens: only the leave brings the normal look back.
    ChangeState(NextButtonState(m_nState, PointerEvent::Hover, IsWindowEnabled() != FALSE, true));
    Default();
}

void CPngButton::OnLButtonDown(UINT, POINT) noexcept {
    ChangeState(NextButtonState(m_nState, PointerEvent::Press, IsWindowEnabled() != FALSE, true));
    Default();
}

void CPngButton::OnMouseLeave() noexcept {
    Default();
    ChangeState(NextButtonState(m_nState, PointerEvent::Leave, IsWindowEnabled() != FALSE, true));
    m_bTracking = 0;
}

void CPngButton::ChangeState(int next) noexcept {
    if (next == m_nState)
        return;
    m_nState = next;
    InvalidateRect(nullptr, TRUE);
}

void CPngButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) noexcept {
    if (lpDrawItemStruct == nullptr || !m_images.Complete())
        return;
    const RECT item = lpDrawItemStruct->rcItem;
    const int width = item.right - item.left;
    const int height = item.bottom - item.top;
    // Composed off-screen and copied in one blit, so no half-drawn state is ever seen.
    CMemoryDC memory(lpDrawItemStruct->hDC, width, height);
    if (!memory.IsValid())
        return;
    if (m_pBkImage == nullptr)
        ::FillRect(memory, &item, m_fillBrush);
    Gdiplus::Image* face = m_images.Get(ChooseFace(m_nState, IsWindowEnabled() != FALSE));
    DrawButtonFace(memory, item, m_pBkImage, m_rcBkImage, face, m_fScale);
    memory.BlitTo(lpDrawItemStruct->hDC, 0, 0);
}

} // namespace halvane
