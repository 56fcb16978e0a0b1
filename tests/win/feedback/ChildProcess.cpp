#include "win/feedback/ChildProcess.h"

#include <windows.h>

#include <memory>
#include <thread>

namespace testing_win {

namespace {

struct HandleCloser {
    void operator()(HANDLE h) const noexcept { ::CloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

} // namespace

ChildResult RunChild(const std::wstring& commandLine, unsigned long timeoutMs) {
    ChildResult result;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return result;
    const Handle reader(readEnd);
    Handle writer(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::wstring mutableLine = commandLine;
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &si, &pi))
        return result;
    result.started = true;
    const Handle process(pi.hProcess);
    const Handle thread(pi.hThread);
    writer.reset(); // only the child holds the write end now: the read ends when it exits

    // The reader drains the pipe so the child never blocks on a full pipe.
    std::thread drain([&result, readEnd] {
        char buffer[4096];
        DWORD n = 0;
        while (::ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0)
            result.output.append(buffer, n);
    });
    result.finished = ::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!result.finished) {
        ::TerminateProcess(pi.hProcess, 99);
        ::WaitForSingleObject(pi.hProcess, INFINITE);
    }
    drain.join();
    ::GetExitCodeProcess(pi.hProcess, &result.exitCode);
    return result;
}

std::wstring ThisExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

} // namespace testing_win
