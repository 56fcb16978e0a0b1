#include "bench/ProgramWindows.h"

namespace halvane::bench {

namespace {

constexpr int kModeListId = 1012;
constexpr int kModeCount = 4;
constexpr int kFrameWidth = 410;
constexpr int kFrameHeight = 611;
constexpr UINT kQueryTimeoutMs = 500;

struct Search {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) noexcept {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid)
        search->found.push_back(hwnd);
    return TRUE;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindVisibleId(HWND hwnd, LPARAM param) noexcept {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (::GetDlgCtrlID(hwnd) == search->id && ::IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD pid) {
    Search search{pid, {}};
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsPainted(HWND hwnd) { return ::GetUpdateRect(hwnd, nullptr, FALSE) == FALSE; }

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, kQueryTimeoutMs, &copied))
        return {};
    return text;
}

HWND FindControl(DWORD pid, int id) {
    for (HWND top : TopLevelWindows(pid)) {
        if (!::IsWindowVisible(top))
            continue;
        ControlSearch search{id, nullptr};
        ::EnumChildWindows(top, FindVisibleId, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
    }
    return nullptr;
}

bool ToolReady(DWORD pid) {
    // Reads that never wait on the program come first, so polling does not slow its start:
    // only once the list is visible does the benchmark send it a message.
    const HWND list = FindControl(pid, kModeListId);
    const HWND panel = list != nullptr ? ::GetParent(list) : nullptr;
    if (panel == nullptr || !::IsWindowVisible(panel))
        return false;
    bool mainShown = false;
    for (HWND top : TopLevelWindows(pid)) {
        wchar_t title[16] = {};
        ::InternalGetWindowText(top, title, 16);
        mainShown = mainShown || (::IsWindowVisible(top) && std::wstring(title) == L"霁衡" &&
                                  IsPainted(top));
    }
    if (!mainShown || !IsPainted(panel) || !IsPainted(list))
        return false;
    DWORD_PTR count = 0;
    return ::SendMessageTimeoutW(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kQueryTimeoutMs,
                                 &count) &&
           count == kModeCount;
}

bool BareReady(DWORD pid) {
    for (HWND top : TopLevelWindows(pid)) {
        RECT rect{};
        if (::IsWindowVisible(top) && (::GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_LAYERED) &&
            ::GetWindowRect(top, &rect) && rect.right - rect.left == kFrameWidth &&
            rect.bottom - rect.top == kFrameHeight)
            return true;
    }
    return false;
}

} // namespace halvane::bench
