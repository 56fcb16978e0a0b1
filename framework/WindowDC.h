// GetWindowDC/ReleaseDC: the whole window including its frame, for a scope.
#pragma once

#include <windows.h>

namespace halvane {

class CWindowDC {
public:
    explicit CWindowDC(HWND window) noexcept;
    ~CWindowDC();
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    HDC GetSafeHdc() const noexcept { return m_dc; }
    operator HDC() const noexcept { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

} // namespace halvane
