#include "controls/DrawStateInfoStatic.h"

#include <string>

#include "controls/FontUtil.h"
#include "controls/StateDots.h"
#include "controls/StaticPainting.h"
#include "controls/TextLayout.h"
#include "framework/ScopedSelect.h"

namespace halvane {

const fw::MessageTable& CDrawStateInfoStatic::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_PAINT, &CDrawStateInfoStatic::OnPaint>(),
        fw::OnMessage<WM_TIMER, &CDrawStateInfoStatic::OnTimer>(),
        fw::OnMessageRaw<WM_SETTEXT, &CDrawStateInfoStatic::OnSetText>(),
    };
    static const fw::MessageTable table{&CStatic::Messages(), entries};
    return table;
}

CDrawStateInfoStatic::CDrawStateInfoStatic() noexcept : m_fillBrush(RGB(255, 255, 255)) {}

void CDrawStateInfoStatic::SetTextFont(int nSizeDelta, int nWeight) noexcept {
    CreateDerivedFont(GetParent(), nSizeDelta, nWeight, m_font);
}

void CDrawStateInfoStatic::SetBkImageRect(int left, int top, int right, int bottom) noexcept {
    m_bkImageRect = RECT{left, top, right, bottom};
}

void CDrawStateInfoStatic::SetTextColor(COLORREF colour) noexcept {
    m_textColour = colour;
    Repaint();
}

void CDrawStateInfoStatic::StartAnimation() noexcept {
    // Without a window SetTimer would make a thread timer nobody kills.
    if (GetSafeHwnd() != nullptr)
        SetTimer(kAnimationTimer, kAnimationPeriodMs);
}

void CDrawStateInfoStatic::StopAnimation() noexcept {
    if (GetSafeHwnd() != nullptr)
        KillTimer(kAnimationTimer);
    m_dotCount = 0;
    Repaint();
}

void CDrawStateInfoStatic::ResetAnimation() noexcept {
    m_dotCount = 0;
    Repaint();
}

void CDrawStateInfoStatic::Repaint() const noexcept {
    // A null window would invalidate every window of the desktop.
    if (GetSafeHwnd() != nullptr)
        Invalidate(TRUE);
}

void CDrawStateInfoStatic::OnTimer(UINT_PTR nIDEvent) noexcept {
    if (nIDEvent == kAnimationTimer) {
        m_dotCount = NextDotCount(m_dotCount);
        Repaint();
    }
    CStatic::OnTimer(nIDEvent);
}

LRESULT CDrawStateInfoStatic::OnSetText(WPARAM wParam, LPARAM lParam) noexcept {
    return SetTextAndInvalidate(GetSafeHwnd(), wParam, lParam);
}

void CDrawStateInfoStatic::OnPaint() noexcept {
    PaintBuffered(GetSafeHwnd(), [this](HDC dc, RECT client) { DrawContent(dc, client); });
}

void CDrawStateInfoStatic::DrawContent(HDC dc, RECT client) noexcept {
    ::FillRect(dc, &client, m_fillBrush);
    ::SetBkMode(dc, TRANSPARENT);
    fw::ScopedSelect font(dc, m_font.GetSafeHandle());
    ::SetTextColor(dc, m_textColour);

    std::wstring text;
    ReadWindowText(GetSafeHwnd(), text);
    try {
        text += DotsFor(m_dotCount);
    } catch (...) {
        // Without memory for the dots the bare text is still worth showing.
    }
    // Default smoothing here, unlike CDrawTextStatic.
    DrawImagePart(dc, m_bkImage, m_bkImageRect, client, false);
    DrawLaidOutText(dc, text, client, StateInfoLayout(m_alignMode));
}

} // namespace halvane
