// Injected mouse input for the skinned bar's Wine tests, and a record of the scroll codes the
// bar sends its frame.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/Handles.h"

namespace halvane::test {

struct ScrollEvent {
    ULONGLONG tick;
    int code;
    int pos;
};

// Every WM_VSCROLL/WM_HSCROLL a bar sends to its frame on this thread, while it lives.
class ScrollRecorder {
public:
    explicit ScrollRecorder(HWND frame);
    ~ScrollRecorder();
    ScrollRecorder(const ScrollRecorder&) = delete;
    ScrollRecorder& operator=(const ScrollRecorder&) = delete;
    const std::vector<ScrollEvent>& Events() const { return m_events; }
    int Count(int code) const;
    void Clear() { m_events.clear(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) noexcept;
    HWND m_frame;
    fw::HookHandle m_hook;
    std::vector<ScrollEvent> m_events;
};

// SendInput at screen points; each call returns once this thread has taken the message.
class Mouse {
public:
    Mouse();
    Mouse(const Mouse&) = delete;
    Mouse& operator=(const Mouse&) = delete;
    bool MoveTo(POINT screen);
    bool Press();
    bool Release();
    // Moves, presses, releases.
    bool Click(POINT screen);

private:
    bool Send(DWORD flags, POINT screen, UINT expected);
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) noexcept;
    fw::HookHandle m_hook;
};

} // namespace halvane::test
