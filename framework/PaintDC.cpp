#include "framework/PaintDC.h"

#include "framework/GdiObjectCounter.h"

namespace halvane {

CPaintDC::CPaintDC(HWND window) noexcept
    : m_window(window), m_dc(window ? ::BeginPaint(window, &m_ps) : nullptr) {
    if (m_dc != nullptr)
        fw::GdiObjectCounter::Acquired();
}

CPaintDC::~CPaintDC() {
    if (m_dc != nullptr) {
        ::EndPaint(m_window, &m_ps);
        fw::GdiObjectCounter::Released();
    }
}

} // namespace halvane
