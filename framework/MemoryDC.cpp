#include "framework/MemoryDC.h"

namespace halvane {

CMemoryDC::CMemoryDC(HDC reference, int width, int height) noexcept
    : m_width(width), m_height(height) {
    if (reference == nullptr || width <= 0 || height <= 0)
        return;
    m_bitmap.Reset(::CreateCompatibleBitmap(reference, width, height));
    if (!m_bitmap)
        return;
    m_dc.Reset(::CreateCompatibleDC(reference));
    if (!m_dc)
        return;
    m_previous = ::SelectObject(m_dc.Get(), m_bitmap.Get());
    m_selected = m_previous != nullptr && m_previous != HGDI_ERROR;
}

CMemoryDC::~CMemoryDC() {
    // The bitmap must leave the DC before either is deleted.
    if (m_selected)
        ::SelectObject(m_dc.Get(), m_previous);
}

BOOL CMemoryDC::BlitTo(HDC target, int x, int y) const noexcept {
    if (!m_selected || target == nullptr)
        return FALSE;
    return ::BitBlt(target, x, y, m_width, m_height, m_dc.Get(), 0, 0, SRCCOPY);
}

} // namespace halvane
