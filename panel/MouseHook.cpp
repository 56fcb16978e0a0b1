#include "panel/MouseHook.h"

#include "framework/Handles.h"

namespace halvane {

namespace {
// The hook procedure reaches these and nothing else.
HWND g_hookTarget = nullptr;
fw::HookHandle g_mouseHook;
} // namespace

CMouseHook::CMouseHook() noexcept {
    g_hookTarget = nullptr;
    g_mouseHook.Reset();
}

CMouseHook::~CMouseHook() {
    Uninstall();
    g_hookTarget = nullptr;
}

BOOL CMouseHook::SetTarget(HWND hWnd) noexcept {
    if (hWnd == nullptr)
        return FALSE;
    g_hookTarget = hWnd;
    return TRUE;
}

BOOL CMouseHook::Install() noexcept {
    g_mouseHook.Reset();
    g_mouseHook.Reset(::SetWindowsHookExW(WH_MOUSE_LL, &CMouseHook::MouseHookProc, nullptr, 0));
    return g_mouseHook ? TRUE : FALSE;
}

void CMouseHook::Uninstall() noexcept {
    g_mouseHook.Reset();
}

LRESULT CALLBACK CMouseHook::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam) noexcept {
    // A null target would turn the post into a thread message to whoever runs the hook.
    if (wParam == WM_LBUTTONDOWN && g_hookTarget != nullptr)
        ::PostMessageW(g_hookTarget, WM_HOOK_LBUTTONDOWN, wParam, lParam);
    return ::CallNextHookEx(g_mouseHook.Get(), nCode, wParam, lParam);
}

} // namespace halvane
