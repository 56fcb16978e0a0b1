#include "SimFixture.h"

#include "framework/CodePageText.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <sstream>

namespace halvane::test {

namespace {
std::wstring TempFile(const wchar_t* prefix) {
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, prefix, 0, path);
    return path;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(h);
}
} // namespace

SimState::SimState(const std::string& utf8Text) : m_path(TempFile(L"sim")) {
    WriteFileBytes(m_path, utf8Text);
    ::SetEnvironmentVariableW(L"POWERCFG_SIM_STATE", m_path.c_str());
}

SimState::~SimState() {
    ::SetEnvironmentVariableW(L"POWERCFG_SIM_STATE", nullptr);
    ::DeleteFileW(m_path.c_str());
}

std::string SimState::Read() const {
    return ReadFileBytes(m_path);
}

std::vector<std::string> SimState::Values(const std::string& key) const {
    std::vector<std::string> values;
    std::istringstream in(Read());
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.compare(0, key.size() + 1, key + "=") == 0)
            values.push_back(line.substr(key.size() + 1));
    }
    return values;
}

std::string SimState::Value(const std::string& key) const {
    const auto values = Values(key);
    return values.empty() ? std::string() : values.front();
}

std::wstring LogFilePath() {
    wchar_t common[MAX_PATH];
    ::SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, FALSE);
    return std::wstring(common) + L"\\ToolLog\\霁衡.txt";
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buf[65536];
    DWORD got = 0;
    while (::ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0)
        bytes.append(buf, got);
    ::CloseHandle(h);
    return bytes;
}

void DeleteLogFiles() {
    const std::wstring path = LogFilePath();
    ::DeleteFileW(path.c_str());
    ::DeleteFileW((path + L"bak").c_str());
}

std::string Gbk(const std::wstring& text) {
    return fw::CodePageFromWide(936, text);
}

int RunningPowercfgs() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry))
        count += ::lstrcmpiW(entry.szExeFile, L"powercfg.exe") == 0 ? 1 : 0;
    ::CloseHandle(snapshot);
    return count;
}

void StartRecord::Clear() {
    for (HANDLE h : processes)
        ::CloseHandle(h);
    *this = StartRecord{};
}

StartRecord& Starts() {
    static StartRecord record;
    return record;
}

BOOL WINAPI RecordingCreateProcess(LPCWSTR app, LPWSTR line, LPSECURITY_ATTRIBUTES pa,
                                   LPSECURITY_ATTRIBUTES ta, BOOL inherit, DWORD flags, LPVOID env,
                                   LPCWSTR dir, LPSTARTUPINFOW si, LPPROCESS_INFORMATION pi) {
    Starts().lines.emplace_back(line);
    if (!::CreateProcessW(app, line, pa, ta, inherit, flags, env, dir, si, pi))
        return FALSE;
    HANDLE mine = nullptr;
    if (::DuplicateHandle(::GetCurrentProcess(), pi->hProcess, ::GetCurrentProcess(), &mine,
                          SYNCHRONIZE, FALSE, 0))
        Starts().processes.push_back(mine);
    return TRUE;
}

bool HasEnded(HANDLE process) {
    return process != nullptr && ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

MessageRecorder::MessageRecorder() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &MessageRecorder::WndProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HalvaneTestRecorder";
    ::RegisterClassW(&wc); // a second registration fails harmlessly
    m_hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               wc.hInstance, this);
}

MessageRecorder::~MessageRecorder() {
    if (m_hwnd != nullptr)
        ::DestroyWindow(m_hwnd);
}

bool MessageRecorder::PumpUntilResult(DWORD timeoutMs) {
    const UINT_PTR timer = ::SetTimer(m_hwnd, 1, timeoutMs, nullptr);
    MSG msg;
    bool timedOut = false;
    while (!m_done && !timedOut && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == m_hwnd)
            timedOut = true;
        ::DispatchMessageW(&msg);
    }
    ::KillTimer(m_hwnd, timer);
    return m_done;
}

LRESULT CALLBACK MessageRecorder::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<MessageRecorder*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && (msg == 1525 || msg == 1526)) {
        const bool logged = ::GetFileAttributesW(LogFilePath().c_str()) != INVALID_FILE_ATTRIBUTES;
        self->m_messages.push_back({msg, wp, logged});
        if (msg == 1526) {
            self->m_done = true;
            // Sent messages are handled inside GetMessageW, which returns only for a posted one.
            ::PostMessageW(hwnd, WM_NULL, 0, 0);
        }
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace halvane::test
