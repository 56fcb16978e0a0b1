// Test double for the system's web-address handler: appends the address it was started with
// (or "<none>") as one UTF-8 line to the file named by HALVANE_URLRECORDER_LOG, then releases the
// semaphore Local\HalvaneUrlRecorder once, so a waiting test knows the line is there. Never
// shipped.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                        nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                          nullptr, nullptr);
    return out;
}

std::wstring Arguments() {
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::wstring joined;
    for (int i = 1; argv != nullptr && i < argc; ++i) {
        if (i > 1)
            joined += L' ';
        joined += argv[i];
    }
    if (argv != nullptr)
        ::LocalFree(argv);
    return argc > 1 ? joined : L"<none>";
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t logPath[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(L"HALVANE_URLRECORDER_LOG", logPath, MAX_PATH) == 0)
        return 2;
    const std::string line = ToUtf8(Arguments()) + "\r\n";
    const HANDLE file = ::CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
    if (const HANDLE done =
            ::OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, L"Local\\HalvaneUrlRecorder")) {
        ::ReleaseSemaphore(done, 1, nullptr);
        ::CloseHandle(done);
    }
    return ok ? 0 : 4;
}
