// What the benchmark observes of a running program: its windows, read from outside as a user
// (or the end-to-end probe) would see them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace halvane::bench {

std::vector<HWND> TopLevelWindows(DWORD pid);

// A window with no paint pending: what it shows has been drawn.
bool IsPainted(HWND hwnd);

// The tool is up: its main window "霁衡" is visible and painted, and so is the panel, whose mode
// list holds the four modes.
bool ToolReady(DWORD pid);

// The start-up floor program is up: its 410 x 611 layered window is visible.
bool BareReady(DWORD pid);

// A visible control of the process with this id, in any of its windows; nullptr when none.
HWND FindControl(DWORD pid, int id);

std::wstring TextOf(HWND hwnd);

// Polls `ready` every millisecond until it holds (true) or `timeoutMs` pass (false).
template <class Pred> bool WaitFor(Pred ready, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!ready()) {
        if (::GetTickCount64() > deadline)
            return false;
        ::Sleep(1);
    }
    return true;
}

} // namespace halvane::bench
