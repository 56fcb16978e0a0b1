#include "controls/CheckBoxBtn.h"

#include <string>

#include "controls/CheckBoxLayout.h"
#include "controls/FontUtil.h"
#include "controls/PngCache.h"
#include "framework/PaintDC.h"
#include "framework/ScopedSelect.h"
#include "res/resource.h"

namespace halvane {

const fw::MessageTable& CCheckBoxBtn::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_PAINT, &CCheckBoxBtn::OnPaint>(),
        fw::OnMessage<WM_MBUTTONDOWN, &CCheckBoxBtn::OnMButtonDown>(),
    };
    static const fw::MessageTable table{&CButton::Messages(), entries};
    return table;
}

CCheckBoxBtn::CCheckBoxBtn() noexcept : m_fillBrush(RGB(255, 255, 255)) {}

CCheckBoxBtn::~CCheckBoxBtn() = default;

void CCheckBoxBtn::InitFont() noexcept {
    // No size change: the parent's font as it is.
    CreateDerivedFontOf(GetParentHandle(), 0, 0, m_font);
}

void CCheckBoxBtn::OnMButtonDown(UINT, POINT) noexcept {
    InvalidateRect(nullptr, TRUE);
    Default();
}

void CCheckBoxBtn::OnPaint() noexcept {
    CPaintDC dc(GetSafeHwnd());
    GetClientRect(&m_rcClient);
    const int width = m_rcClient.right;
    const int height = m_rcClient.bottom;
    if (!PrepareSurface(dc, width, height))
        return;
    fw::ScopedSelect bitmap(m_memDC, m_memBitmap);
    ::FillRect(m_memDC, &m_rcClient, m_fillBrush);
    ::SetBkMode(m_memDC, TRANSPARENT);
    DrawBoxAndText();
    ::BitBlt(dc, 0, 0, width, height, m_memDC, 0, 0, SRCCOPY);
}

bool CCheckBoxBtn::PrepareSurface(HDC paintDC, int width, int height) noexcept {
    if (m_memBitmap.GetSafeHandle() != nullptr && m_memSize.cx == width && m_memSize.cy == height)
        return true;
    // A bitmap smaller than the client would blit undefined pixels: remade when the size changed.
    if (m_memDC.GetSafeHdc() == nullptr && !m_memDC.CreateCompatibleDC(paintDC))
        return false;
    if (!m_memBitmap.CreateCompatibleBitmap(paintDC, width, height))
        return false;
    m_memSize = SIZE{width, height};
    return true;
}

void CCheckBoxBtn::DrawBoxAndText() noexcept {
    if (!m_pBoxImage) {
        // Tried again at every paint until the resource loads.
        m_pBoxImage = CPngCache::Get(IDB_CHECKBOX);
        if (!m_pBoxImage)
            return;
    }
    const auto check = static_cast<int>(SendMessage(BM_GETCHECK));
    const CheckBoxLayout layout = LayOutCheckBox(
        PixelRect{m_rcClient.left, m_rcClient.top, m_rcClient.right, m_rcClient.bottom}, m_fScale,
        check);
    {
        Gdiplus::Graphics graphics(m_memDC.GetSafeHdc());
        graphics.DrawImage(
            m_pBoxImage.get(),
            Gdiplus::Rect(layout.box.left, layout.box.top, layout.box.Width(), layout.box.Height()),
            layout.cellX, 0, kCheckBoxCell, kCheckBoxCell, Gdiplus::UnitPixel);
    }
    std::wstring text;
    try {
        text = GetWindowText();
    } catch (...) {
        return; // no memory for the text: the box alone
    }
    fw::ScopedSelect font(m_memDC, m_font);
    ::SetTextColor(m_memDC, m_textColor);
    m_rcClient.left = layout.text.left;
    ::DrawTextW(m_memDC, text.c_str(), -1, &m_rcClient, DT_VCENTER | DT_SINGLELINE);
}

} // namespace halvane
