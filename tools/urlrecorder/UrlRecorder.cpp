// Test double for the system's web-address handler: appends the address it was started with
// (or "<none>") as one UTF-8 line to the file named by HALVANE_URLRECORDER_LOG, holding the
// append mutex, then releases the semaphore named by HALVANE_URLRECORDER_SIGNAL (if any) once.
// Never shipped.
#include "tools/urlrecorder/UrlRecorderNames.h"

#include "framework/CodePageText.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string ToUtf8(const std::wstring& text) {
    return halvane::fw::CodePageFromWide(CP_UTF8, text);
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

// Holds the append mutex while alive; not had within the wait, the line is written anyway.
class AppendLock {
public:
    AppendLock() : m_mutex(::CreateMutexW(nullptr, FALSE, urlrecorder::kAppendMutex)) {
        if (m_mutex != nullptr) {
            const DWORD r = ::WaitForSingleObject(m_mutex, urlrecorder::kAppendWaitMs);
            m_owned = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
        }
    }
    AppendLock(const AppendLock&) = delete;
    AppendLock& operator=(const AppendLock&) = delete;
    ~AppendLock() {
        if (m_owned)
            ::ReleaseMutex(m_mutex);
        if (m_mutex != nullptr)
            ::CloseHandle(m_mutex);
    }

private:
    HANDLE m_mutex;
    bool m_owned = false;
};

bool AppendLine(const wchar_t* path, const std::string& line) {
    const AppendLock lock;
    const HANDLE file = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == line.size();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t logPath[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(urlrecorder::kLogVariable, logPath, MAX_PATH) == 0)
        return 2;
    const bool ok = AppendLine(logPath, ToUtf8(Arguments()) + "\r\n");
    wchar_t signal[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(urlrecorder::kSignalVariable, signal, MAX_PATH) != 0) {
        if (const HANDLE done = ::OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, signal)) {
            ::ReleaseSemaphore(done, 1, nullptr);
            ::CloseHandle(done);
        }
    }
    return ok ? 0 : 3;
}
