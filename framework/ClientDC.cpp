#include "framework/ClientDC.h"

#include "framework/GdiObjectCounter.h"

namespace halvane {

// A null window gives the screen DC, as GetDC does.
CClientDC::CClientDC(HWND window) noexcept : m_window(window), m_dc(::GetDC(window)) {
    if (m_dc != nullptr)
        fw::GdiObjectCounter::Acquired();
}

CClientDC::~CClientDC() {
    if (m_dc != nullptr) {
        ::ReleaseDC(m_window, m_dc);
        fw::GdiObjectCounter::Released();
    }
}

} // namespace halvane
