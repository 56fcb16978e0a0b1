#include "controls/DrawTextStatic.h"

#include <string>

#include "controls/FontUtil.h"
#include "controls/StaticPainting.h"
#include "controls/TextLayout.h"
#include "framework/ScopedSelect.h"

namespace halvane {

const fw::MessageTable& CDrawTextStatic::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_PAINT, &CDrawTextStatic::OnPaint>(),
        fw::OnMessageRaw<WM_SETTEXT, &CDrawTextStatic::OnSetText>(),
    };
    static const fw::MessageTable table{&CStatic::Messages(), entries};
    return table;
}

void CDrawTextStatic::SetTextFont(int nSizeDelta, int nWeight) noexcept {
    CreateDerivedFont(GetParent(), nSizeDelta, nWeight, m_font);
}

void CDrawTextStatic::SetTextColors(COLORREF normal, COLORREF hover) noexcept {
    m_normalColour = normal;
    m_hoverColour = hover;
}

void CDrawTextStatic::SetBkImageRect(int left, int top, int right, int bottom) noexcept {
    m_bkImageRect = RECT{left, top, right, bottom};
}

void CDrawTextStatic::UpdateHover(int x, int y) noexcept {
    const int hover = IsPointInside(x, y);
    if (hover == m_hover)
        return;
    m_hover = hover;
    if (GetSafeHwnd() != nullptr)
        Invalidate(TRUE);
}

int CDrawTextStatic::IsPointInside(int x, int y) const noexcept {
    if (GetSafeHwnd() == nullptr)
        return 0;
    RECT window{};
    GetWindowRect(&window);
    return ::PtInRect(&window, POINT{x, y}) ? 1 : 0;
}

LRESULT CDrawTextStatic::OnSetText(WPARAM wParam, LPARAM lParam) noexcept {
    return SetTextAndInvalidate(GetSafeHwnd(), wParam, lParam);
}

void CDrawTextStatic::OnPaint() noexcept {
    PaintBuffered(GetSafeHwnd(), [this](HDC dc, RECT client) { DrawContent(dc, client); });
}

void CDrawTextStatic::DrawContent(HDC dc, RECT client) noexcept {
    if (m_fillBrush.GetSafeHandle() == nullptr)
        m_fillBrush.CreateSolidBrush(m_fillColour);
    ::FillRect(dc, &client, m_fillBrush);
    ::SetBkMode(dc, TRANSPARENT);
    DrawImagePart(dc, m_bkImage, m_bkImageRect, client, true);

    fw::ScopedSelect font(dc, m_font.GetSafeHandle());
    std::wstring text;
    ReadWindowText(GetSafeHwnd(), text);
    ::SetTextColor(dc, m_hover == 1 ? m_hoverColour : m_normalColour);
    DrawLaidOutText(dc, text, client, DrawTextLayout(m_alignMode));
}

} // namespace halvane
