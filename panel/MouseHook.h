// CMouseHook: a desktop-wide low-level mouse hook that tells one window about every left-button
// press, also in other programs' windows. One hook per process: the target window and the hook
// handle are process-wide, because the hook procedure gets no context of its own.
#pragma once

#include <windows.h>

#include "framework/ToolMessages.h"

namespace halvane {

class CMouseHook {
public:
    // Clears the target and removes a hook left installed by an earlier object.
    CMouseHook() noexcept;
    ~CMouseHook();
    CMouseHook(const CMouseHook&) = delete;
    CMouseHook& operator=(const CMouseHook&) = delete;

    // FALSE for a null window; otherwise the window that gets WM_HOOK_LBUTTONDOWN.
    BOOL SetTarget(HWND hWnd) noexcept;
    // WH_MOUSE_LL for every thread of the desktop, called back on this thread's message loop.
    // A hook installed before is removed first. TRUE when the hook is in place.
    BOOL Install() noexcept;
    void Uninstall() noexcept;

    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept;
};

} // namespace halvane
