#include "engine/CommandRunner.h"

#include "engine/MbcsCarry.h"
#include "framework/KernelHandles.h"

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
    if (bytes.empty())
        return;
    const int size = static_cast<int>(bytes.size());
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (wide <= 0)
        return;
    const std::size_t at = output->size();
    output->resize(at + static_cast<std::size_t>(wide));
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &(*output)[at], wide);
}

// The interpreter by its full path, started in the system folder: a cmd.exe or powercfg
// planted beside the tool or in the current folder must never run with our rights.
bool SystemFolder(std::wstring* folder) {
    wchar_t path[MAX_PATH];
    const UINT n = ::GetSystemDirectoryW(path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return false;
    folder->assign(path, n);
    return true;
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

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    fw::KernelHandle readEnd;
    fw::KernelHandle writeEnd;
    {
        HANDLE r = nullptr;
        HANDLE w = nullptr;
        if (!::CreatePipe(&r, &w, &inheritable, 0))
            return FALSE;
        readEnd.Reset(r);
        writeEnd.Reset(w);
    }
    // Only the write end is for the child; our read end stays ours.
    ::SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ::GetStartupInfoW(&startup);
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    startup.wShowWindow = SW_HIDE;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;

    const std::wstring line = L"cmd /C " + command;
    wchar_t commandLine[2048] = {};
    ::wsprintfW(commandLine, L"%s", line.c_str()); // writes at most 1024 characters

    std::wstring systemFolder;
    if (!SystemFolder(&systemFolder))
        return FALSE;
    const std::wstring interpreter = systemFolder + L"\\cmd.exe";

    PROCESS_INFORMATION process{};
    if (!hooks.createProcess(interpreter.c_str(), commandLine, nullptr, nullptr, TRUE, 0,
                             nullptr, systemFolder.c_str(), &startup, &process))
        return FALSE;
    const fw::KernelHandle processHandle(process.hProcess);
    const fw::KernelHandle threadHandle(process.hThread);

    // Without our copy of the write end the pipe breaks once the child tree has ended.
    writeEnd.Reset();

    MbcsCarry carry(AnsiCodePageShape());
    char buffer[4096];
    for (;;) {
        std::memset(buffer, 0, sizeof(buffer));
        DWORD got = 0;
        if (!::ReadFile(readEnd.Get(), buffer, sizeof(buffer) - 1, &got, nullptr))
            break;
        const std::size_t text = ::strnlen(buffer, got);
        AppendAnsi(carry.Take(std::string_view(buffer, text), text < got), output);
        ::Sleep(500);
    }
    AppendAnsi(carry.Flush(), output);
    readEnd.Reset();

    ::WaitForSingleObject(process.hProcess, INFINITE);
    return TRUE;
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
