#include "bench/BareCommandRun.h"

#include "framework/KernelHandles.h"
#include "framework/SystemLibrary.h"

#include <windows.h>

namespace halvane::bench {

BareCommandRun::BareCommandRun() {
    m_folder = fw::SystemFolder();
    if (m_folder.empty())
        return;
    m_interpreter = m_folder + L"\\cmd.exe";
}

BareRunResult BareCommandRun::Run(const std::wstring& command) const {
    BareRunResult result;
    fw::KernelHandle readEnd;
    fw::KernelHandle writeEnd;
    {
        HANDLE r = nullptr;
        HANDLE w = nullptr;
        if (!::CreatePipe(&r, &w, nullptr, 0)) {
            result.error = ::GetLastError();
            return result;
        }
        readEnd.Reset(r);
        writeEnd.Reset(w);
    }
    // Only the child's end is inherited, so the pipe breaks when the child tree ends.
    if (!::SetHandleInformation(writeEnd.Get(), HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)) {
        result.error = ::GetLastError();
        return result;
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();

    std::wstring commandLine = L"cmd /C " + command; // CreateProcessW may write into it
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(m_interpreter.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                          nullptr, m_folder.c_str(), &startup, &process)) {
        result.error = ::GetLastError();
        return result;
    }
    const fw::KernelHandle processHandle(process.hProcess);
    const fw::KernelHandle threadHandle(process.hThread);
    result.started = true;
    writeEnd.Reset();

    char buffer[4096];
    DWORD got = 0;
    // Same read size as the runner, so long output takes the same number of reads.
    while (::ReadFile(readEnd.Get(), buffer, sizeof(buffer) - 1, &got, nullptr)) {
        if (got == 0)
            continue;
        result.bytes.append(buffer, got);
        ++result.readsWithData;
        ::Sleep(500);
    }
    readEnd.Reset();
    ::WaitForSingleObject(process.hProcess, INFINITE);
    return result;
}

} // namespace halvane::bench
