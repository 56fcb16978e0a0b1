// Runs one command line hidden through the command interpreter and captures its
// standard output and standard error as one wide string.
#pragma once
#include <windows.h>

#include <string>

namespace halvane {

// Longest time a command may take from its start; powercfg needs a fraction of it.
constexpr DWORD kCommandTimeLimitMs = 30000;

// Starts "cmd /D /C <command>" (no AutoRun commands) with no window, reads everything it prints
// and waits for it. TRUE once the command has ended (its own exit code is not looked at);
// FALSE when it could not be started or did not end within the time limit, in which case the
// interpreter and every process it started are ended. Appends to *output; never clears it.
BOOL ExecuteCmd(std::wstring command, std::wstring* output);

// TRUE for a 32-bit process on 64-bit Windows.
BOOL IsWow64();

// The platform functions the runner reaches through, replaceable so tests can drive the
// WOW64 path and failed starts on any machine, and the time limit, which tests shorten.
// Defaults are the real ones.
struct CommandRunnerHooks {
    FARPROC(WINAPI* lookupIsWow64Process)();
    BOOL(WINAPI* disableRedirection)(PVOID* oldValue);
    BOOL(WINAPI* revertRedirection)(PVOID oldValue);
    BOOL(WINAPI* createProcess)
    (LPCWSTR, LPWSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR,
     LPSTARTUPINFOW, LPPROCESS_INFORMATION);
    DWORD timeLimitMs;
};

namespace testing_hooks {
// Set before any run starts (a run reads them on its own thread). Also forgets the cached
// IsWow64Process pointer so the next run looks it up again.
void SetCommandRunnerHooks(const CommandRunnerHooks& hooks);
void ResetCommandRunnerHooks();
const CommandRunnerHooks& DefaultCommandRunnerHooks();
} // namespace testing_hooks

} // namespace halvane
