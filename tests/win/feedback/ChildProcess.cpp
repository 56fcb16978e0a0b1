#include "win/feedback/ChildProcess.h"

#include "framework/CodePageText.h"

#include <windows.h>

#include <memory>
#include <string>

namespace testing_win {

namespace {

struct HandleCloser {
    void operator()(HANDLE h) const noexcept { ::CloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// The child's output goes to a temporary file rather than a pipe: a crashing child hands its
// handles to Wine's debugger, which would keep a pipe open (and a reader waiting) forever.
Handle OutputFile(wchar_t (&path)[MAX_PATH]) {
    wchar_t folder[MAX_PATH] = {};
    if (::GetTempPathW(MAX_PATH, folder) == 0 || ::GetTempFileNameW(folder, L"out", 0, path) == 0)
        return nullptr;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const HANDLE h = ::CreateFileW(
        path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

std::string ReadFromStart(HANDLE file) {
    std::string text;
    if (::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return text;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0)
        text.append(buffer, n);
    return text;
}

// Under Wine only: the Unix name of a Windows path; empty elsewhere.
std::wstring UnixName(const std::wstring& path) {
    using UnixNameFn = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName != nullptr ? unixName((L"\\\\?\\" + path).c_str()) : nullptr;
    if (name == nullptr)
        return {};
    std::wstring wide = halvane::fw::WideFromCodePage(CP_UTF8, name);
    ::HeapFree(::GetProcessHeap(), 0, name);
    return wide;
}

constexpr char kEndMark[] = "halvane-child-ended ";

// Under Wine a Unix child's handle does not wait for it: wait for the line that the shell
// writes after the program ends (with its exit code), then drop that line.
bool WaitForEndMark(HANDLE output, unsigned long timeoutMs, ChildResult& result) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        std::string text = ReadFromStart(output);
        const std::size_t mark = text.find(kEndMark);
        if (mark != std::string::npos && text.find('\n', mark) != std::string::npos) {
            result.exitCode = std::stoul(text.substr(mark + sizeof kEndMark - 1));
            result.output = text.substr(0, mark);
            return true;
        }
        ::Sleep(100);
    }
    return false;
}

ChildResult Run(const wchar_t* program, const std::wstring& commandLine, unsigned long timeoutMs,
                bool unixShell) {
    ChildResult result;
    wchar_t outputPath[MAX_PATH] = {};
    const Handle output = OutputFile(outputPath);
    if (!output)
        return result;

    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = output.get();
    si.hStdError = output.get();
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    // The Unix shell does not get our handles: it writes to the file by its Unix name.
    std::wstring mutableLine = commandLine;
    if (unixShell) {
        const std::wstring outputName = UnixName(outputPath);
        if (outputName.empty())
            return result;
        std::wstring quoted; // the program and its arguments inside the script's quotes
        for (const wchar_t c : commandLine)
            quoted += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
        const std::wstring out = L"\\\"" + outputName + L"\\\"";
        mutableLine = L"sh -c \"wine " + quoted + L" >" + out +
                      L" 2>&1; echo halvane-child-ended $? >>" + out + L"\"";
    }
    if (!::CreateProcessW(program, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &si, &pi))
        return result;
    result.started = true;
    const Handle process(pi.hProcess);
    const Handle thread(pi.hThread);

    if (unixShell) {
        result.finished = WaitForEndMark(output.get(), timeoutMs, result);
        return result;
    }
    result.finished = ::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!result.finished) {
        ::TerminateProcess(pi.hProcess, 99);
        ::WaitForSingleObject(pi.hProcess, 10000);
    }
    ::GetExitCodeProcess(pi.hProcess, &result.exitCode);
    result.output = ReadFromStart(output.get());
    return result;
}

} // namespace

ChildResult RunChild(const std::wstring& commandLine, unsigned long timeoutMs) {
    return Run(nullptr, commandLine, timeoutMs, false);
}

ChildResult RunProgram(const std::wstring& program, const std::wstring& arguments,
                       unsigned long timeoutMs) {
    const std::wstring unixProgram = program.size() < MAX_PATH ? std::wstring() : UnixName(program);
    if (unixProgram.empty())
        return RunChild(L"\"" + program + L"\" " + arguments, timeoutMs);
    // No ".exe" to find: the Unix shell is named as the program; Run adds the script.
    return Run(L"Z:\\bin\\sh", L"\"" + unixProgram + L"\" " + arguments, timeoutMs, true);
}

std::wstring ThisExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

} // namespace testing_win
