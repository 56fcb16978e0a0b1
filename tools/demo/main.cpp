// Drives real power-mode changes through the engine and shows what happens: the plan list
// before and after, the result message, and the log file. Console program; not shipped.
#include "engine/CommandRunner.h"
#include "engine/PowerModeTable.h"
#include "engine/PowerSchemeSwitcher.h"
#include "framework/CodePageText.h"
#include "framework/ToolMessages.h"

#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace halvane;

void Print(const std::wstring& text) {
    const std::string utf8 = fw::CodePageFromWide(CP_UTF8, text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

// Receives the switcher's two messages on this thread.
struct Receiver {
    HWND hwnd = nullptr;
    WPARAM result = 0;

    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) noexcept {
        auto* self = reinterpret_cast<Receiver*>(::GetWindowLongPtrW(h, GWLP_USERDATA));
        if (msg == WM_EXECUTE_FINISHED) {
            Print(L"  <- WM_EXECUTE_FINISHED (1525)\n");
            return 0;
        }
        if (msg == WM_SET_POWER_RESULT && self != nullptr) {
            self->result = wp;
            Print(L"  <- WM_SET_POWER_RESULT (1526), wParam " + std::to_wstring(wp) + L": " +
                  (wp == kPowerResultSuccess ? L"电源模式修改成功\n" : L"电源模式修改失败\n"));
            ::PostMessageW(h, WM_NULL, 0, 0); // wake GetMessageW after a sent message
            return 0;
        }
        return ::DefWindowProcW(h, msg, wp, lp);
    }
};

std::wstring LogPath() {
    wchar_t common[MAX_PATH] = L"";
    ::SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, FALSE);
    return std::wstring(common) + L"\\ToolLog\\霁衡.txt";
}

std::wstring ReadLog() {
    HANDLE h = ::CreateFileW(LogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return L"";
    std::string bytes(1 << 16, '\0');
    DWORD got = 0;
    ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    ::CloseHandle(h);
    bytes.resize(got);
    return fw::WideFromCodePage(936, bytes);
}

void ShowPlans() {
    std::wstring list;
    ExecuteCmd(kListSchemesCommand, &list);
    Print(L"  powercfg /l:" + list);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> modes;
    for (int i = 1; i < argc; ++i)
        modes.push_back(std::atoi(argv[i]));
    if (modes.empty())
        modes = {POWER_MODE_HIGH_PERFORMANCE, POWER_MODE_ULTIMATE, POWER_MODE_SAVER,
                 POWER_MODE_BALANCED};

    Receiver receiver;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Receiver::Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HalvaneDemoReceiver";
    ::RegisterClassW(&wc);
    receiver.hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                      nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrW(receiver.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&receiver));

    CPowerSchemeSwitcher switcher;
    switcher.SetMsgWnd(receiver.hwnd);
    Print(std::wstring(L"Supported system (Windows 7 or 10): ") +
          (switcher.IsSupportedSystem() ? L"yes\n" : L"no\n"));
    ShowPlans();

    int failures = 0;
    for (int mode : modes) {
        const bool known = mode >= 0 && mode < kPowerModeCount;
        Print(L"\n== " + std::wstring(known ? kPowerModeNames[mode] : L"?") + L" (mode " +
              std::to_wstring(mode) + L")\n");
        receiver.result = 0;
        if (!switcher.StartSetPowerMode(mode)) {
            Print(L"  the worker could not be started\n");
            ++failures;
            continue;
        }
        MSG msg;
        while (receiver.result == 0 && ::GetMessageW(&msg, nullptr, 0, 0) > 0)
            ::DispatchMessageW(&msg);
        if (receiver.result != kPowerResultSuccess)
            ++failures;
        ::Sleep(200); // the worker writes its log line right after the result message
        ShowPlans();
    }

    const std::wstring log = ReadLog();
    Print(L"\nLog " + LogPath() + L":\n" + (log.empty() ? L"  (empty: nothing failed)\n" : log));
    ::DestroyWindow(receiver.hwnd);
    return failures == 0 ? 0 : 1;
}
