#include "SimRun.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

struct Handle {
    HANDLE h = nullptr;
    Handle() = default;
    explicit Handle(HANDLE v) : h(v) {}
    ~Handle() {
        if (h && h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    void Reset() {
        if (h && h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        h = nullptr;
    }
};

std::wstring TempFolder() {
    wchar_t buf[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, buf);
    static LONG counter = 0;
    wchar_t name[64];
    swprintf(name, 64, L"pcsim-%lu-%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    return std::wstring(buf, n) + name;
}

} // namespace

CSimStateFile::CSimStateFile(const std::string& initialUtf8, bool create)
    : m_folder(TempFolder()), m_path(m_folder + L"\\sub\\state.txt") {
    SetEnvironmentVariableW(L"POWERCFG_SIM_STATE", m_path.c_str());
    if (create || !initialUtf8.empty())
        Write(initialUtf8);
}

CSimStateFile::~CSimStateFile() {
    DeleteFileW(m_path.c_str());
    RemoveDirectoryW((m_folder + L"\\sub").c_str());
    RemoveDirectoryW(m_folder.c_str());
    SetEnvironmentVariableW(L"POWERCFG_SIM_STATE", nullptr);
}

std::string CSimStateFile::Read() const {
    std::ifstream in(m_path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void CSimStateFile::Write(const std::string& utf8) const {
    CreateDirectoryW(m_folder.c_str(), nullptr);
    CreateDirectoryW((m_folder + L"\\sub").c_str(), nullptr);
    std::ofstream(m_path.c_str(), std::ios::binary) << utf8;
}

SimRun RunCommand(const std::wstring& commandLine, const std::wstring& currentDir) {
    SimRun run;
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    Handle readEnd, writeEnd;
    if (!CreatePipe(&readEnd.h, &writeEnd.h, &sa, 0))
        return run;
    SetHandleInformation(readEnd.h, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    si.hStdOutput = writeEnd.h;
    si.hStdError = writeEnd.h;
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        currentDir.empty() ? nullptr : currentDir.c_str(), &si, &pi))
        return run;
    Handle process(pi.hProcess), thread(pi.hThread);
    writeEnd.Reset();
    run.started = true;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(readEnd.h, buf, sizeof buf, &got, nullptr) && got > 0) {
        run.reads.emplace_back(buf, got);
        run.bytes.append(buf, got);
    }
    WaitForSingleObject(process.h, INFINITE);
    GetExitCodeProcess(process.h, &run.exitCode);
    return run;
}

HANDLE StartDetached(const std::wstring& commandLine) {
    // Output goes nowhere: these runs are judged by the state file alone.
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    Handle nul(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                           OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = nul.h;
    si.hStdError = nul.h;
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                        &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

std::string StateValue(const std::string& text, const std::string& key) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.compare(0, key.size() + 1, key + "=") == 0)
            return line.substr(key.size() + 1);
    }
    return {};
}
