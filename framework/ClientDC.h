// GetDC/ReleaseDC: a window's client-area DC for the length of a scope.
#pragma once

#include <windows.h>

namespace halvane {

class CClientDC {
public:
    explicit CClientDC(HWND window) noexcept;
    ~CClientDC();
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

    HDC GetSafeHdc() const noexcept { return m_dc; }
    operator HDC() const noexcept { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

} // namespace halvane
