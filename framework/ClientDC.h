// A window's DC borrowed for the length of a scope and handed back with ReleaseDC: the client
// area's (GetDC; a null window gives the screen's) or the whole window's with its frame
// (GetWindowDC).
#pragma once

#include <windows.h>

#include "framework/GdiObjectCounter.h"

namespace halvane {

namespace fw {

template <HDC(WINAPI* GetWindowDc)(HWND)> class BorrowedDc {
public:
    explicit BorrowedDc(HWND window) noexcept : m_window(window), m_dc(GetWindowDc(window)) {
        if (m_dc != nullptr)
            GdiObjectCounter::Acquired();
    }
    ~BorrowedDc() {
        if (m_dc != nullptr) {
            ::ReleaseDC(m_window, m_dc);
            GdiObjectCounter::Released();
        }
    }
    BorrowedDc(const BorrowedDc&) = delete;
    BorrowedDc& operator=(const BorrowedDc&) = delete;

    HDC GetSafeHdc() const noexcept { return m_dc; }
    operator HDC() const noexcept { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

} // namespace fw

using CClientDC = fw::BorrowedDc<::GetDC>;
using CWindowDC = fw::BorrowedDc<::GetWindowDC>;

} // namespace halvane
