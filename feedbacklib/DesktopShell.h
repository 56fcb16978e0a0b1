// The desktop shell's own ShellExecute, reached through its window list. What the shell starts
// runs as the user who owns the desktop, with that user's normal rights rather than ours.
#pragma once

#include "feedbacklib/ComPtr.h"

#include <windows.h>
#include <shldisp.h>

#include <string>

namespace feedbacklib {

class DesktopShell {
public:
    // Empty when no desktop shell answers or any step of the way to its dispatch object fails.
    // Wants COM on the calling thread.
    static DesktopShell Find();

    explicit operator bool() const noexcept { return static_cast<bool>(m_dispatch); }
    // True when the shell's process is elevated; false also when that cannot be read.
    bool RunsElevated() const;
    // Hands the address to the shell's ShellExecute ("open"); true when the shell took it.
    bool Open(const std::wstring& address) const;

private:
    ComPtr<IShellDispatch2> m_dispatch;
    DWORD m_processId = 0;
};

// True when the process's token says it is elevated; false when the token cannot be read.
bool ProcessRunsElevated(HANDLE process);

} // namespace feedbacklib
