#include "framework/Wnd.h"

#include <commctrl.h>

#include "framework/ResourceHandle.h"
#include "framework/WindowClass.h"

namespace halvane {

namespace {
// One subclass per window: (SubclassProc, this id) identifies the framework's binding.
constexpr UINT_PTR kSubclassId = 0x48564E; // "HVN"
// FromHandle's lookup. comctl32 exports GetWindowSubclass by ordinal only, so the bound object is
// also named in a window property (removed again whenever the subclass is).
constexpr wchar_t kBoundObject[] = L"Halvane.CWnd";
} // namespace

// One message being handled, kept on the stack. Default() reads the message from the innermost
// frame; a destructor running inside a handler marks the frames so nothing touches the object.
struct CWnd::DispatchFrame {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DispatchFrame* outer;
    bool objectAlive;
};

CWnd::~CWnd() {
    for (DispatchFrame* f = m_frame; f != nullptr; f = f->outer)
        f->objectAlive = false;
    if (m_hWnd == nullptr)
        return;
    HWND window = m_hWnd;
    ::RemoveWindowSubclass(window, &CWnd::SubclassProc, kSubclassId);
    ::RemovePropW(window, kBoundObject);
    m_hWnd = nullptr;
    // A member control dies while its parent's object is being torn down: the parent's own
    // members may already be gone, so its handlers stay silent while the child window goes.
    CWnd* parent = nullptr;
    if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0)
        parent = FromHandle(::GetParent(window));
    if (parent != nullptr)
        ++parent->m_quiet;
    ::DestroyWindow(window);
    if (parent != nullptr)
        --parent->m_quiet;
}

CWnd* CWnd::FromHandle(HWND window) noexcept {
    if (window == nullptr)
        return nullptr;
    return static_cast<CWnd*>(::GetPropW(window, kBoundObject));
}

WNDPROC CWnd::FrameworkClassProc() noexcept {
    return &CWnd::ClassProc;
}

bool CWnd::Bind(HWND window) noexcept {
    if (m_hWnd != nullptr || window == nullptr || FromHandle(window) != nullptr)
        return false;
    if (!::SetPropW(window, kBoundObject, this))
        return false;
    if (!::SetWindowSubclass(window, &CWnd::SubclassProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(this))) {
        ::RemovePropW(window, kBoundObject);
        return false;
    }
    m_hWnd = window;
    return true;
}

void CWnd::Unbind() noexcept {
    if (m_hWnd == nullptr)
        return;
    OnUnbound();
    ::RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, kSubclassId);
    ::RemovePropW(m_hWnd, kBoundObject);
    m_hWnd = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) noexcept {
    if (m_hWnd != nullptr)
        return FALSE;
    try {
        std::wstring defaultClass;
        if (className == nullptr) {
            defaultClass =
                fw::RegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                     ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
            if (defaultClass.empty())
                return FALSE;
            className = defaultClass.c_str();
        }
        // Only the framework's own classes know what lpCreateParams holds.
        const bool ours = fw::IsFrameworkClass(className);
        HMENU menu =
            (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
        HWND window = ::CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top,
                                        parent ? parent->m_hWnd : nullptr, menu,
                                        fw::GetResourceHandle(), ours ? this : nullptr);
        if (window == nullptr)
            return FALSE;
        if (m_hWnd == window)
            return TRUE;
        if (!ours && Bind(window))
            return TRUE;
        ::DestroyWindow(window);
        return FALSE;
    } catch (...) {
        return FALSE;
    }
}

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) noexcept {
    return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::SubclassWindow(HWND window) noexcept {
    return Bind(window) ? TRUE : FALSE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) noexcept {
    if (parent == nullptr || parent->m_hWnd == nullptr)
        return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() noexcept {
    HWND window = m_hWnd;
    Unbind();
    return window;
}

BOOL CWnd::DestroyWindow() noexcept {
    if (m_hWnd == nullptr)
        return FALSE;
    // WM_NCDESTROY unbinds; the object itself lives on.
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*) noexcept {
    return FALSE;
}

LRESULT CALLBACK CWnd::ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = cs ? static_cast<CWnd*>(cs->lpCreateParams) : nullptr;
        if (self != nullptr && !self->Bind(window))
            return FALSE;
    }
    // Bound windows reach this only through Default().
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) noexcept {
    return reinterpret_cast<CWnd*>(self)->Dispatch(window, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCDESTROY)
        return FinalMessage(window, wParam, lParam);
    if (m_quiet > 0)
        return ::DefSubclassProc(window, message, wParam, lParam);
    DispatchFrame frame{window, message, wParam, lParam, m_frame, true};
    m_frame = &frame;
    const LRESULT result = WindowProc(message, wParam, lParam);
    if (!frame.objectAlive)
        return result;
    m_frame = frame.outer;
    // The window died inside this message: the object may go only now that no handler of it
    // is left on the stack.
    if (m_frame == nullptr && m_finalPending) {
        m_finalPending = false;
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::FinalMessage(HWND window, WPARAM wParam, LPARAM lParam) noexcept {
    const LRESULT result = ::DefSubclassProc(window, WM_NCDESTROY, wParam, lParam);
    Unbind();
    if (m_frame != nullptr)
        m_finalPending = true;
    else
        PostNcDestroy();
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) noexcept {
    LRESULT local = 0;
    LRESULT& out = result ? *result : local;
    if (const fw::MessageEntry* entry = GetMessageTable().Find(message, wParam)) {
        try {
            out = entry->thunk(*this, wParam, lParam);
            return TRUE;
        } catch (...) {
            // A failed handler leaves the message to the default processing; say so, since
            // nothing else will.
            ReportHandlerFailure(message);
            return FALSE;
        }
    }
    return ReflectToChild(message, wParam, lParam, &out);
}

void CWnd::ReportHandlerFailure(UINT message) const noexcept {
    wchar_t className[64] = L"?";
    if (m_hWnd != nullptr)
        ::GetClassNameW(m_hWnd, className, 64);
    wchar_t text[160];
    ::wsprintfW(text, L"Halvane: a handler of message 0x%04X in window class %s failed\n", message,
                className);
    ::OutputDebugStringW(text);
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) noexcept {
    HWND child = nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (dis != nullptr && dis->CtlType != ODT_MENU)
            child = dis->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        const auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (mis != nullptr && mis->CtlType != ODT_MENU)
            child = ::GetDlgItem(m_hWnd, static_cast<int>(mis->CtlID));
        break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        child = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return FALSE;
    }
    CWnd* control = FromHandle(child);
    if (control == nullptr || control == this)
        return FALSE;
    return control->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) noexcept {
    return FALSE;
}

LRESULT CWnd::Default() noexcept {
    const DispatchFrame* f = m_frame;
    // Nothing to forward outside a handler, or once the window went away inside it.
    if (f == nullptr || m_hWnd != f->window)
        return 0;
    return DefWindowProc(f->message, f->wParam, f->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (m_hWnd == nullptr)
        return 0;
    return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
}

const fw::MessageTable& CWnd::Messages() noexcept {
    static const fw::MessageTable table{nullptr};
    return table;
}

} // namespace halvane
