// BeginPaint/EndPaint for one WM_PAINT.
#pragma once

#include <windows.h>

namespace halvane {

class CPaintDC {
public:
    explicit CPaintDC(HWND window) noexcept;
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const noexcept { return m_dc; }
    operator HDC() const noexcept { return m_dc; }

    PAINTSTRUCT m_ps{};

private:
    HWND m_window;
    HDC m_dc;
};

} // namespace halvane
