// Keeps the tool's own windows from taking input while a power mode change runs, the way an
// owned modal dialog would: from the press of "设置" until the outcome prompt is closed, which is
// after the "设置" handler has returned (the worker sends the outcome while blocked). The please-
// wait dialog and the prompts stay unowned, so their places and looks do not change.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/ScopedWindowDisable.h"

namespace halvane {

class CChangeInputBlock {
public:
    bool IsActive() const noexcept { return m_active; }

    // Disables both windows; a window disabled already is left as it is and stays disabled.
    // A second Begin while active changes nothing.
    void Begin(HWND mainWindow, HWND panel) noexcept {
        if (m_active)
            return;
        m_active = true;
        m_panel = panel;
        m_disableMain.emplace(mainWindow);
        m_disablePanel.emplace(panel);
    }

    // Enables what Begin disabled and gives the activation back to the panel.
    void End() noexcept {
        if (!m_active)
            return;
        m_active = false;
        m_disableMain.reset();
        m_disablePanel.reset();
        if (m_panel != nullptr && ::IsWindow(m_panel) && ::IsWindowEnabled(m_panel))
            ::SetActiveWindow(m_panel);
        m_panel = nullptr;
    }

private:
    bool m_active = false;
    HWND m_panel = nullptr;
    std::optional<fw::ScopedWindowDisable> m_disableMain;
    std::optional<fw::ScopedWindowDisable> m_disablePanel;
};

} // namespace halvane
