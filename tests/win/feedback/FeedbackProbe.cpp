// Test program copied with a feedback library into a folder of its own, since CFeedbackDll
// loads only from the executable's folder. Prints key=value lines.
//   loader              Load, then every thin caller, then Free
//   append TAG COUNT    Load + Init of the real library, then COUNT CustomerFeedbackEx
//                       records, started together with the other appenders
#include "feedback/FeedbackDll.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using halvane::CFeedbackDll;

namespace {

constexpr wchar_t kTool[] = L"10113";
constexpr wchar_t kVersion[] = L"1.0.21.219";
constexpr wchar_t kLibrary[] = L"ArkwenFeedbackInformation.dll";

bool LibraryInProcess() {
    return ::GetModuleHandleW(kLibrary) != nullptr;
}

int RunLoader() {
    CFeedbackDll dll;
    std::printf("load=%d\n", dll.Load() ? 1 : 0);
    std::printf("slots=");
    for (std::size_t i = 0; i < CFeedbackDll::EP_Count; ++i)
        std::printf("%d", dll.HasEntryPoint(static_cast<CFeedbackDll::EntryPoint>(i)) ? 1 : 0);
    std::printf("\nmodule=%d\nloaded=%d\n", dll.GetModule() != nullptr ? 1 : 0,
                LibraryInProcess() ? 1 : 0);
    std::printf("init=%d\n", dll.InitFreedbackDll());
    std::printf("version=%d\n", dll.GetToolIsNewVersion(kTool, kVersion));
    std::printf("down=%d\n", dll.OpenToolDownUrl());
    std::printf("question=%d\n", dll.FeedbackQuestion(kTool, kVersion));
    std::printf("url=%d\n", dll.OpenUrl(L"https://support.halvane.example/detail/dc_172545.html"));
    std::printf("ex=%d\n", dll.CustomerFeedbackEx(kTool, kVersion, 2, L"1700000000"));
    dll.Free();
    std::printf("freed_loaded=%d\nfreed_init=%d\nfreed_ex=%d\n", LibraryInProcess() ? 1 : 0,
                dll.InitFreedbackDll(), dll.CustomerFeedbackEx(kTool, kVersion, 1, L"0"));
    return 0;
}

// Each appender reports ready, then waits for the common start signal.
bool WaitForStart() {
    const HANDLE ready =
        ::OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, L"Local\\HalvaneAppendReady");
    const HANDLE go = ::OpenEventW(SYNCHRONIZE, FALSE, L"Local\\HalvaneAppendGo");
    const bool ok = ready != nullptr && go != nullptr && ::ReleaseSemaphore(ready, 1, nullptr) &&
                    ::WaitForSingleObject(go, 240000) == WAIT_OBJECT_0;
    if (ready != nullptr)
        ::CloseHandle(ready);
    if (go != nullptr)
        ::CloseHandle(go);
    return ok;
}

int RunAppend(const wchar_t* tag, int count) {
    CFeedbackDll dll;
    if (!dll.Load() || dll.InitFreedbackDll() == 0) {
        std::printf("load=0\n");
        return 1;
    }
    if (!WaitForStart()) {
        std::printf("start=0\n");
        return 1;
    }
    int appended = 0;
    for (int i = 0; i < count; ++i)
        appended += dll.CustomerFeedbackEx(tag, kVersion, i % 3 + 1, std::to_wstring(i).c_str());
    std::printf("appended=%d\n", appended);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"loader")
        return RunLoader();
    if (mode == L"append" && argc == 4)
        return RunAppend(argv[2], _wtoi(argv[3]));
    std::printf("usage: probe loader | probe append TAG COUNT\n");
    return 2;
}
