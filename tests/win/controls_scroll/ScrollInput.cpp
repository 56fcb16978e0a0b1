#include "ScrollInput.h"

#include "win/support/Pump.h"

namespace halvane::test {

namespace {

ScrollRecorder* g_recorder = nullptr;
// Mouse messages this thread retrieved, by kind.
long g_moves = 0;
long g_downs = 0;
long g_ups = 0;

long& CounterFor(UINT message) {
    static long other = 0;
    switch (message) {
    case WM_MOUSEMOVE:
        return g_moves;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return g_downs;
    case WM_LBUTTONUP:
        return g_ups;
    default:
        return other;
    }
}

} // namespace

ScrollRecorder::ScrollRecorder(HWND frame)
    : m_frame(frame), m_hook(::SetWindowsHookExW(WH_CALLWNDPROC, &ScrollRecorder::Hook, nullptr,
                                                  ::GetCurrentThreadId())) {
    g_recorder = this;
}

ScrollRecorder::~ScrollRecorder() {
    g_recorder = nullptr;
}

int ScrollRecorder::Count(int code) const {
    int n = 0;
    for (const ScrollEvent& e : m_events)
        n += e.code == code ? 1 : 0;
    return n;
}

LRESULT CALLBACK ScrollRecorder::Hook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_recorder != nullptr && msg->hwnd == g_recorder->m_frame &&
        (msg->message == WM_VSCROLL || msg->message == WM_HSCROLL) && msg->lParam != 0) {
        try {
            g_recorder->m_events.push_back(ScrollEvent{::GetTickCount64(), LOWORD(msg->wParam),
                                                       static_cast<short>(HIWORD(msg->wParam))});
        } catch (...) {
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

Mouse::Mouse()
    : m_hook(::SetWindowsHookExW(WH_GETMESSAGE, &Mouse::Hook, nullptr, ::GetCurrentThreadId())) {}

LRESULT CALLBACK Mouse::Hook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE)
        ++CounterFor(msg->message);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool Mouse::Send(DWORD flags, POINT screen, UINT expected) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if ((flags & MOUSEEVENTF_ABSOLUTE) != 0) {
        const int w = ::GetSystemMetrics(SM_CXSCREEN);
        const int h = ::GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>(((static_cast<long long>(screen.x) << 16) + w - 1) / w);
        input.mi.dy = static_cast<LONG>(((static_cast<long long>(screen.y) << 16) + h - 1) / h);
    }
    const long& counter = CounterFor(expected);
    const long before = counter;
    if (::SendInput(1, &input, sizeof(input)) != 1)
        return false;
    return PumpUntil([&] { return counter > before; });
}

bool Mouse::MoveTo(POINT screen) {
    POINT now{};
    ::GetCursorPos(&now);
    if (now.x == screen.x && now.y == screen.y)
        return true;
    return Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen, WM_MOUSEMOVE);
}

bool Mouse::Press() {
    return Send(MOUSEEVENTF_LEFTDOWN, POINT{}, WM_LBUTTONDOWN);
}

bool Mouse::Release() {
    return Send(MOUSEEVENTF_LEFTUP, POINT{}, WM_LBUTTONUP);
}

bool Mouse::Click(POINT screen) {
    return MoveTo(screen) && Press() && Release();
}

} // namespace halvane::test
