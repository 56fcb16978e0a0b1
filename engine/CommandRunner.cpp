#include "engine/CommandRunner.h"

#include "engine/MbcsCarry.h"
#include "engine/OutputPipe.h"
#include "engine/ProcessJob.h"
#include "engine/RunDeadline.h"
#include "framework/CodePageText.h"
#include "framework/KernelHandles.h"
#include "framework/SystemLibrary.h"

#include <atomic>
#include <cstring>

namespace halvane {

namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

FARPROC WINAPI LookupIsWow64Process() {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    return kernel != nullptr ? ::GetProcAddress(kernel, "IsWow64Process") : nullptr;
}

const CommandRunnerHooks kDefaultHooks = {
    &LookupIsWow64Process,
    &::Wow64DisableWow64FsRedirection,
    &::Wow64RevertWow64FsRedirection,
    &::CreateProcessW,
    kCommandTimeLimitMs,
};

CommandRunnerHooks g_hooks = kDefaultHooks;

// Looked up once; every thread that fills it stores the same address.
std::atomic<FARPROC> g_isWow64Process{nullptr};

// Undoes the WOW64 redirection switch on every way out of a run.
class RedirectionScope {
public:
    RedirectionScope(bool active, PVOID oldValue, BOOL(WINAPI* revert)(PVOID)) noexcept
        : m_active(active), m_oldValue(oldValue), m_revert(revert) {}
    RedirectionScope(const RedirectionScope&) = delete;
    RedirectionScope& operator=(const RedirectionScope&) = delete;
    ~RedirectionScope() {
        if (m_active)
            m_revert(m_oldValue);
    }

private:
    bool m_active;
    PVOID m_oldValue;
    BOOL(WINAPI* m_revert)(PVOID);
};

CodePageShape AnsiCodePageShape() {
    CodePageShape shape;
    if (::GetACP() == CP_UTF8) {
        shape.kind = CodePageShape::Utf8;
        return shape;
    }
    CPINFO info{};
    if (!::GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 2)
        return shape;
    shape.kind = CodePageShape::DoubleByte;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        for (unsigned b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
            shape.leadByte[b] = true;
    return shape;
}

void AppendAnsi(const std::string& bytes, std::wstring* output) {
    output->append(fw::WideFromCodePage(CP_ACP, bytes));
}

// The interpreter by its full path, started in the system folder: a cmd.exe or powercfg
// planted beside the tool or in the current folder must never run with our rights.
bool SystemFolder(std::wstring* folder) {
    *folder = fw::SystemFolder();
    return !folder->empty();
}

// How long an ended run waits for its processes to be gone.
constexpr DWORD kEndGraceMs = 5000;

// Appends everything the pipe delivers until it breaks; false when the time ran out first.
bool ReadUntilEnd(COutputPipe& pipe, const RunDeadline& deadline, std::wstring* output) {
    MbcsCarry carry(AnsiCodePageShape());
    char buffer[4096];
    bool inTime = true;
    for (;;) {
        // Checked before every read: a child that never stops printing must end too.
        const DWORD left = deadline.RemainingAt(::GetTickCount64());
        if (left == 0) {
            inTime = false;
            break;
        }
        std::memset(buffer, 0, sizeof(buffer));
        DWORD got = 0;
        const COutputPipe::ReadResult result = pipe.Read(buffer, sizeof(buffer) - 1, left, &got);
        if (result != COutputPipe::ReadResult::Data) {
            inTime = result == COutputPipe::ReadResult::Ended;
            break;
        }
        const std::size_t text = ::strnlen(buffer, got);
        AppendAnsi(carry.Take(std::string_view(buffer, text), text < got), output);
        ::Sleep(500);
    }
    AppendAnsi(carry.Flush(), output);
    return inTime;
}

} // namespace

BOOL IsWow64() {
    FARPROC fn = g_isWow64Process.load(std::memory_order_relaxed);
    if (fn == nullptr) {
        fn = g_hooks.lookupIsWow64Process();
        g_isWow64Process.store(fn, std::memory_order_relaxed);
        if (fn == nullptr)
            return FALSE;
    }
    // Through void(*)() so the compiler accepts the cast between function types.
    const auto isWow64Process =
        reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void (*)()>(fn));
    BOOL wow64 = FALSE;
    return isWow64Process(::GetCurrentProcess(), &wow64) && wow64 ? TRUE : FALSE;
}

BOOL ExecuteCmd(std::wstring command, std::wstring* output) {
    const CommandRunnerHooks hooks = g_hooks;

    PVOID oldRedirection = nullptr;
    const bool wow64 = IsWow64() != FALSE;
    if (wow64 && hooks.disableRedirection(&oldRedirection) != 1)
        return FALSE;
    const RedirectionScope redirection(wow64, oldRedirection, hooks.revertRedirection);

    COutputPipe pipe;
    if (!pipe.Create())
        return FALSE;

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ::GetStartupInfoW(&startup);
    startup.hStdOutput = pipe.WriteEnd();
    startup.hStdError = pipe.WriteEnd();
    startup.wShowWindow = SW_HIDE;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;

    // /D: the AutoRun commands of the registry, which any program of the user can set, must
    // not run with our rights.
    const std::wstring line = L"cmd /D /C " + command;
    wchar_t commandLine[2048] = {};
    ::wsprintfW(commandLine, L"%s", line.c_str()); // writes at most 1024 characters

    std::wstring systemFolder;
    if (!SystemFolder(&systemFolder))
        return FALSE;
    const std::wstring interpreter = systemFolder + L"\\cmd.exe";

    // Started suspended so it is in the job before it can start anything of its own.
    CProcessJob job;
    const bool haveJob = job.Create();
    PROCESS_INFORMATION process{};
    if (!hooks.createProcess(interpreter.c_str(), commandLine, nullptr, nullptr, TRUE,
                             CREATE_SUSPENDED, nullptr, systemFolder.c_str(), &startup, &process))
        return FALSE;
    const fw::KernelHandle processHandle(process.hProcess);
    const fw::KernelHandle threadHandle(process.hThread);
    const RunDeadline deadline(::GetTickCount64(), hooks.timeLimitMs);
    // Without the job (a system that does not nest jobs) only the interpreter can be ended.
    const bool inJob = haveJob && job.Adopt(process.hProcess);
    if (::ResumeThread(process.hThread) == static_cast<DWORD>(-1)) {
        ::TerminateProcess(process.hProcess, 1);
        return FALSE;
    }

    // Without our copy of the write end the pipe breaks once the child tree has ended.
    pipe.CloseWriteEnd();

    if (ReadUntilEnd(pipe, deadline, output) &&
        ::WaitForSingleObject(process.hProcess, deadline.RemainingAt(::GetTickCount64())) ==
            WAIT_OBJECT_0)
        return TRUE; // closing the job ends anything the command left running

    if (!inJob || !job.EndAll(kEndGraceMs)) {
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, kEndGraceMs);
    }
    return FALSE;
}

namespace testing_hooks {

void SetCommandRunnerHooks(const CommandRunnerHooks& hooks) {
    g_hooks = hooks;
    g_isWow64Process.store(nullptr);
}

void ResetCommandRunnerHooks() {
    SetCommandRunnerHooks(kDefaultHooks);
}

const CommandRunnerHooks& DefaultCommandRunnerHooks() {
    return kDefaultHooks;
}

} // namespace testing_hooks

} // namespace halvane
