#include "framework/WindowDC.h"

#include "framework/GdiObjectCounter.h"

namespace halvane {

CWindowDC::CWindowDC(HWND window) noexcept : m_window(window), m_dc(::GetWindowDC(window)) {
    if (m_dc != nullptr)
        fw::GdiObjectCounter::Acquired();
}

CWindowDC::~CWindowDC() {
    if (m_dc != nullptr) {
        ::ReleaseDC(m_window, m_dc);
        fw::GdiObjectCounter::Released();
    }
}

} // namespace halvane
