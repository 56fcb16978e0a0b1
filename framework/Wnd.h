// CWnd: one C++ object bound to one window for the window's life.
//
// Binding: windows of the framework's own classes pass `this` in lpCreateParams and bind at
// WM_NCCREATE; dialogs bind at WM_INITDIALOG (this in DWLP_USER, see CDialog); every other window
// (controls from a template, system classes) is bound with SetWindowSubclass. In all three cases
// messages then reach the object through one comctl32 subclass whose reference data is `this`
// (a window property names the object for FromHandle).
// The framework never touches GWLP_USERDATA: the program's own code uses that slot.
//
// Teardown: at WM_NCDESTROY the default processing runs, then the object is unbound (subclass
// removed, m_hWnd null) and PostNcDestroy is called last: at once when the window died outside
// the object's handlers, else when the outermost message of the object being handled returns,
// so a handler that destroys its window may still use its members. A CWnd destroyed while its
// window lives unbinds first and then destroys the window, so no message reaches a half-destroyed
// object.
#pragma once

#include <windows.h>

#include <string>

#include "framework/MessageCrackers.h"
#include "framework/MessageTable.h"

namespace halvane {

class CWnd {
public:
    CWnd() noexcept = default;
    virtual ~CWnd();
    // Windows hold the object's address: it can be neither copied nor moved.
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    operator HWND() const noexcept { return m_hWnd; }

    // The object bound to a window, or null for a window no CWnd is bound to.
    static CWnd* FromHandle(HWND window) noexcept;

    // className null: the framework's default class. A framework class binds at WM_NCCREATE, any
    // other class right after creation (messages sent during its creation are not seen).
    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id) noexcept;
    BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id) noexcept;
    // Binds an existing window of this thread; FALSE if this object or the window is bound.
    BOOL SubclassWindow(HWND window) noexcept;
    BOOL SubclassDlgItem(UINT id, CWnd* parent) noexcept;
    // Unbinds without destroying; returns the window.
    HWND UnsubclassWindow() noexcept;
    BOOL DestroyWindow() noexcept;

    // Called by the message loops before a message is translated and dispatched; TRUE consumes it.
    virtual BOOL PreTranslateMessage(MSG* msg) noexcept;

    // Thin wrappers over the window functions the system uses.
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return ::PostMessageW(m_hWnd, msg, wParam, lParam);
    }
    BOOL IsWindow() const noexcept { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
    BOOL ShowWindow(int command) const noexcept { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const noexcept { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const noexcept { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) const noexcept { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsIconic() const noexcept { return ::IsIconic(m_hWnd); }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const noexcept {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE) const noexcept {
        ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     repaint);
    }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const noexcept {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    void GetClientRect(RECT* rect) const noexcept { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const noexcept { ::GetWindowRect(m_hWnd, rect); }
    void ClientToScreen(POINT* point) const noexcept { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(RECT* rect) const noexcept;
    void ScreenToClient(POINT* point) const noexcept { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(RECT* rect) const noexcept;
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) const noexcept {
        ::InvalidateRect(m_hWnd, rect, erase);
    }
    void Invalidate(BOOL erase = TRUE) const noexcept { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() const noexcept { ::UpdateWindow(m_hWnd); }
    void SetWindowText(LPCWSTR text) const noexcept { ::SetWindowTextW(m_hWnd, text); }
    std::wstring GetWindowText() const;
    int GetWindowTextLength() const noexcept { return ::GetWindowTextLengthW(m_hWnd); }
    void SetFont(HFONT font, BOOL redraw = TRUE) const noexcept {
        ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    HFONT GetFont() const noexcept {
        return reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    }
    void SetIcon(HICON icon, BOOL big) const noexcept {
        ::SendMessageW(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                       reinterpret_cast<LPARAM>(icon));
    }
    // Timers arrive as WM_TIMER (no timer procedure).
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const noexcept {
        return ::SetTimer(m_hWnd, id, elapse, nullptr);
    }
    BOOL KillTimer(UINT_PTR id) const noexcept { return ::KillTimer(m_hWnd, id); }
    DWORD GetStyle() const noexcept {
        return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    }
    DWORD GetExStyle() const noexcept {
        return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
    }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0) const noexcept;
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0) const noexcept;
    int GetDlgCtrlID() const noexcept { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetDlgItem(int id) const noexcept { return ::GetDlgItem(m_hWnd, id); }
    // The parent (a pop-up's owner) as a bound object, or null when it is none or unbound.
    CWnd* GetParent() const noexcept { return FromHandle(GetParentHandle()); }
    HWND GetParentHandle() const noexcept { return m_hWnd ? ::GetParent(m_hWnd) : nullptr; }
    HWND SetParent(HWND newParent) const noexcept { return ::SetParent(m_hWnd, newParent); }
    HWND SetFocus() const noexcept { return ::SetFocus(m_hWnd); }
    HWND SetCapture() const noexcept { return ::SetCapture(m_hWnd); }
    HMENU GetSystemMenu(BOOL revert) const noexcept { return ::GetSystemMenu(m_hWnd, revert); }
    // SB_CTL talks to the control itself with SBM_SETSCROLLINFO/SBM_GETSCROLLINFO, so a scroll
    // bar that keeps its own state answers; SB_VERT/SB_HORZ use the window's standard bars.
    BOOL SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw = TRUE) const noexcept;
    BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask = SIF_ALL) const noexcept;
    // Centres a pop-up on its owner's window rectangle (a child on its parent's client area),
    // kept inside the owner's monitor work area; an invisible or minimised owner gives way to the
    // work area of the application's main window's monitor.
    void CenterWindow(const CWnd* alternateOwner = nullptr) const noexcept;

    // The framework's default window class (no background brush, arrow cursor, double clicks).
    static WNDPROC FrameworkClassProc() noexcept;

protected:
    // The message's route inside the object: the class's message table, then the reflection of
    // owner-draw and colour messages to the bound control, then Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    // Table lookup and reflection only; TRUE when something handled the message.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) noexcept;
    // A message the parent reflected to this control (WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* result) noexcept;
    // Called once after the final message, with the object unbound. May delete the object.
    virtual void PostNcDestroy() noexcept {}
    // Default processing of the message being handled (the previous window procedure).
    LRESULT Default() noexcept;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    static const fw::MessageTable& Messages() noexcept;
    virtual const fw::MessageTable& GetMessageTable() const noexcept { return Messages(); }

    // Base handlers: each runs the default processing of the current message, so an override
    // can call CWnd::OnDestroy() and so on as its first step.
    void OnDestroy() noexcept { Default(); }
    void OnClose() noexcept { Default(); }
    void OnPaint() noexcept { Default(); }
    void OnNcPaint() noexcept { Default(); }
    void OnMove(int, int) noexcept { Default(); }
    void OnSize(UINT, int, int) noexcept { Default(); }
    LRESULT OnNcHitTest(POINT) noexcept { return Default(); }
    void OnTimer(UINT_PTR) noexcept { Default(); }
    BOOL OnEraseBkgnd(HDC) noexcept { return static_cast<BOOL>(Default()); }
    void OnSysCommand(UINT, LPARAM) noexcept { Default(); }
    void OnMouseMove(UINT, POINT) noexcept { Default(); }
    void OnMouseHover(UINT, POINT) noexcept { Default(); }
    void OnMouseLeave() noexcept { Default(); }
    void OnLButtonDown(UINT, POINT) noexcept { Default(); }
    void OnLButtonUp(UINT, POINT) noexcept { Default(); }
    void OnMButtonDown(UINT, POINT) noexcept { Default(); }
    void OnVScroll(UINT, UINT, HWND) noexcept { Default(); }
    void OnHScroll(UINT, UINT, HWND) noexcept { Default(); }

    // Binds this object to a window of this thread through the subclass.
    bool Bind(HWND window) noexcept;
    // Hook for the classes that keep more per-window state (CDialog); never called from ~CWnd.
    virtual void OnUnbound() noexcept {}

private:
    struct DispatchFrame;

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self) noexcept;
    static LRESULT CALLBACK ClassProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT FinalMessage(HWND window, WPARAM wParam, LPARAM lParam) noexcept;
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) noexcept;
    void Unbind() noexcept;
    void ReportHandlerFailure(UINT message) const noexcept;

    HWND m_hWnd = nullptr;
    DispatchFrame* m_frame = nullptr; // innermost message being handled
    int m_quiet = 0;                  // >0 while a member control's window is being destroyed
    bool m_finalPending = false;      // the window is gone; PostNcDestroy waits for the handlers
};

} // namespace halvane
