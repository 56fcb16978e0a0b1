// Typed message table entries. OnMessage<WM_X, &C::OnX>() checks at compile time that the handler
// has the signature that WM_X is cracked to (table below) and that C derives from CWnd.
// Messages without a cracker (private messages, WM_USER + n) take LRESULT (WPARAM, LPARAM).
#pragma once

#include <windows.h>

#include <type_traits>

#include "framework/MessageTable.h"

namespace halvane::fw {

namespace detail {

template <class F> struct MemberOf;
template <class R, class C, class... A> struct MemberOf<R (C::*)(A...)> { using Class = C; };
template <class R, class C, class... A> struct MemberOf<R (C::*)(A...) noexcept> {
    using Class = C;
};

template <auto Fn, class... A>
constexpr bool kCallable =
    std::is_invocable_v<decltype(Fn), typename MemberOf<decltype(Fn)>::Class&, A...>;

// Signed coordinates packed in lParam (screen points left of or above the primary monitor).
inline int LowSigned(LPARAM lParam) noexcept {
    return static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam)));
}
inline int HighSigned(LPARAM lParam) noexcept {
    return static_cast<short>(HIWORD(static_cast<DWORD_PTR>(lParam)));
}
inline POINT PointFrom(LPARAM lParam) noexcept {
    return POINT{LowSigned(lParam), HighSigned(lParam)};
}

} // namespace detail

// Raw form: LRESULT Handler(WPARAM, LPARAM).
struct RawCracker {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, WPARAM, LPARAM>,
                      "handler must be LRESULT Handler(WPARAM, LPARAM)");
        return (w.*Fn)(wParam, lParam);
    }
};

// void Handler()
struct VoidCracker {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM, LPARAM) {
        static_assert(detail::kCallable<Fn>, "handler must be void Handler()");
        (w.*Fn)();
        return 0;
    }
};

// void Handler(UINT flags, POINT clientPoint)
struct MouseCracker {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, UINT, POINT>,
                      "handler must be void Handler(UINT nFlags, POINT point)");
        (w.*Fn)(static_cast<UINT>(wParam), detail::PointFrom(lParam));
        return 0;
    }
};

// void Handler(UINT code, UINT position, HWND scrollBar)
struct ScrollCracker {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, UINT, UINT, HWND>,
                      "handler must be void Handler(UINT nSBCode, UINT nPos, HWND hScrollBar)");
        (w.*Fn)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    }
};

// void Handler(HWND otherWindow)
struct FocusCracker {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM) {
        static_assert(detail::kCallable<Fn, HWND>, "handler must be void Handler(HWND)");
        (w.*Fn)(reinterpret_cast<HWND>(wParam));
        return 0;
    }
};

// HBRUSH Handler(HDC dc, HWND control)
struct CtlColorCracker {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, HDC, HWND>,
                      "handler must be HBRUSH Handler(HDC dc, HWND control)");
        return reinterpret_cast<LRESULT>(
            (w.*Fn)(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    }
};

// void Handler(UINT nChar, UINT nRepCnt, UINT nFlags)
struct KeyCracker {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, UINT, UINT, UINT>,
                      "handler must be void Handler(UINT nChar, UINT nRepCnt, UINT nFlags)");
        const auto bits = static_cast<DWORD>(lParam);
        (w.*Fn)(static_cast<UINT>(wParam), LOWORD(bits), HIWORD(bits));
        return 0;
    }
};

template <UINT Msg> struct Cracker : RawCracker {};

template <> struct Cracker<WM_DESTROY> : VoidCracker {};
template <> struct Cracker<WM_CLOSE> : VoidCracker {};
template <> struct Cracker<WM_PAINT> : VoidCracker {};
template <> struct Cracker<WM_NCPAINT> : VoidCracker {};
template <> struct Cracker<WM_MOUSELEAVE> : VoidCracker {};
template <> struct Cracker<WM_MOUSEMOVE> : MouseCracker {};
template <> struct Cracker<WM_MOUSEHOVER> : MouseCracker {};
template <> struct Cracker<WM_LBUTTONDOWN> : MouseCracker {};
template <> struct Cracker<WM_LBUTTONUP> : MouseCracker {};
template <> struct Cracker<WM_LBUTTONDBLCLK> : MouseCracker {};
template <> struct Cracker<WM_RBUTTONDOWN> : MouseCracker {};
template <> struct Cracker<WM_RBUTTONUP> : MouseCracker {};
template <> struct Cracker<WM_MBUTTONDOWN> : MouseCracker {};
template <> struct Cracker<WM_MBUTTONUP> : MouseCracker {};
template <> struct Cracker<WM_VSCROLL> : ScrollCracker {};
template <> struct Cracker<WM_HSCROLL> : ScrollCracker {};
template <> struct Cracker<WM_SETFOCUS> : FocusCracker {};
template <> struct Cracker<WM_KILLFOCUS> : FocusCracker {};
template <> struct Cracker<WM_CAPTURECHANGED> : FocusCracker {};
template <> struct Cracker<WM_CTLCOLORBTN> : CtlColorCracker {};
template <> struct Cracker<WM_CTLCOLORDLG> : CtlColorCracker {};
template <> struct Cracker<WM_CTLCOLOREDIT> : CtlColorCracker {};
template <> struct Cracker<WM_CTLCOLORLISTBOX> : CtlColorCracker {};
template <> struct Cracker<WM_CTLCOLORSCROLLBAR> : CtlColorCracker {};
template <> struct Cracker<WM_CTLCOLORSTATIC> : CtlColorCracker {};
template <> struct Cracker<WM_KEYDOWN> : KeyCracker {};
template <> struct Cracker<WM_KEYUP> : KeyCracker {};
template <> struct Cracker<WM_CHAR> : KeyCracker {};

// int OnCreate(LPCREATESTRUCTW): -1 stops the creation.
template <> struct Cracker<WM_CREATE> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, LPCREATESTRUCTW>,
                      "handler must be int OnCreate(LPCREATESTRUCTW)");
        return (w.*Fn)(reinterpret_cast<LPCREATESTRUCTW>(lParam));
    }
};

// BOOL OnEraseBkgnd(HDC): TRUE when the background is painted.
template <> struct Cracker<WM_ERASEBKGND> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM) {
        static_assert(detail::kCallable<Fn, HDC>, "handler must be BOOL OnEraseBkgnd(HDC)");
        return (w.*Fn)(reinterpret_cast<HDC>(wParam));
    }
};

// void OnMove(int x, int y): client-area origin, signed.
template <> struct Cracker<WM_MOVE> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, int, int>, "handler must be void OnMove(int x, int y)");
        (w.*Fn)(detail::LowSigned(lParam), detail::HighSigned(lParam));
        return 0;
    }
};

// void OnSize(UINT nType, int cx, int cy)
template <> struct Cracker<WM_SIZE> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, UINT, int, int>,
                      "handler must be void OnSize(UINT nType, int cx, int cy)");
        (w.*Fn)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
};

// LRESULT OnNcHitTest(POINT screenPoint): the hit-test code.
template <> struct Cracker<WM_NCHITTEST> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, POINT>,
                      "handler must be LRESULT OnNcHitTest(POINT point)");
        return (w.*Fn)(detail::PointFrom(lParam));
    }
};

// void OnTimer(UINT_PTR nIDEvent)
template <> struct Cracker<WM_TIMER> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM) {
        static_assert(detail::kCallable<Fn, UINT_PTR>,
                      "handler must be void OnTimer(UINT_PTR nIDEvent)");
        (w.*Fn)(static_cast<UINT_PTR>(wParam));
        return 0;
    }
};

// void OnSysCommand(UINT nID, LPARAM lParam)
template <> struct Cracker<WM_SYSCOMMAND> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, UINT, LPARAM>,
                      "handler must be void OnSysCommand(UINT nID, LPARAM lParam)");
        (w.*Fn)(static_cast<UINT>(wParam), lParam);
        return 0;
    }
};

// HCURSOR OnQueryDragIcon()
template <> struct Cracker<WM_QUERYDRAGICON> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM, LPARAM) {
        static_assert(detail::kCallable<Fn>, "handler must be HCURSOR OnQueryDragIcon()");
        return reinterpret_cast<LRESULT>((w.*Fn)());
    }
};

// void OnShowWindow(BOOL bShow, UINT nStatus)
template <> struct Cracker<WM_SHOWWINDOW> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, BOOL, UINT>,
                      "handler must be void OnShowWindow(BOOL bShow, UINT nStatus)");
        (w.*Fn)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return 0;
    }
};

// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT): mapping it stops the reflection to the control.
template <> struct Cracker<WM_DRAWITEM> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, int, LPDRAWITEMSTRUCT>,
                      "handler must be void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT)");
        (w.*Fn)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    }
};

// BOOL OnSetCursor(HWND window, UINT nHitTest, UINT message)
template <> struct Cracker<WM_SETCURSOR> {
    template <class T, auto Fn> static LRESULT Call(T& w, WPARAM wParam, LPARAM lParam) {
        static_assert(detail::kCallable<Fn, HWND, UINT, UINT>,
                      "handler must be BOOL OnSetCursor(HWND, UINT nHitTest, UINT message)");
        return (w.*Fn)(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    }
};

namespace detail {

template <class Crack, auto Fn> LRESULT Thunk(CWnd& window, WPARAM wParam, LPARAM lParam) {
    using T = typename MemberOf<decltype(Fn)>::Class;
    static_assert(std::is_base_of_v<CWnd, T>, "message handlers must be members of a CWnd class");
    return Crack::template Call<T, Fn>(static_cast<T&>(window), wParam, lParam);
}

template <auto Fn> LRESULT CommandThunk(CWnd& window, WPARAM, LPARAM) {
    using T = typename MemberOf<decltype(Fn)>::Class;
    static_assert(std::is_base_of_v<CWnd, T>, "message handlers must be members of a CWnd class");
    static_assert(kCallable<Fn>, "command handlers must be void Handler()");
    (static_cast<T&>(window).*Fn)();
    return 0;
}

} // namespace detail

// {message} -> handler, typed by the message's cracker.
template <UINT Msg, auto Fn> constexpr MessageEntry OnMessage() noexcept {
    return MessageEntry{Msg, 0, 0, false, &detail::Thunk<Cracker<Msg>, Fn>};
}

// {message} -> LRESULT Handler(WPARAM, LPARAM), whatever the message.
template <UINT Msg, auto Fn> constexpr MessageEntry OnMessageRaw() noexcept {
    return MessageEntry{Msg, 0, 0, false, &detail::Thunk<RawCracker, Fn>};
}

// {control id + notification code} of WM_COMMAND -> void Handler().
template <UINT Id, UINT Code, auto Fn> constexpr MessageEntry OnCommand() noexcept {
    return MessageEntry{WM_COMMAND, Id, Code, true, &detail::CommandThunk<Fn>};
}

// {control id + BN_CLICKED} -> void Handler().
template <UINT Id, auto Fn> constexpr MessageEntry OnClicked() noexcept {
    return OnCommand<Id, BN_CLICKED, Fn>();
}

} // namespace halvane::fw
