// Disables a window for a scope (an owner behind a modal dialog) and enables it again, unless
// it was disabled already or has gone.
#pragma once

#include <windows.h>

namespace halvane::fw {

class ScopedWindowDisable {
public:
    explicit ScopedWindowDisable(HWND window) noexcept {
        if (window != nullptr && ::IsWindowEnabled(window)) {
            ::EnableWindow(window, FALSE);
            m_window = window;
        }
    }
    ~ScopedWindowDisable() { Restore(); }
    ScopedWindowDisable(const ScopedWindowDisable&) = delete;
    ScopedWindowDisable& operator=(const ScopedWindowDisable&) = delete;

    void Restore() noexcept {
        if (m_window != nullptr && ::IsWindow(m_window))
            ::EnableWindow(m_window, TRUE);
        m_window = nullptr;
    }

private:
    HWND m_window = nullptr;
};

} // namespace halvane::fw
