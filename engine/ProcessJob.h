// A job object for one command run: every process in it (the interpreter and whatever it
// starts, which joins by default) ends when the job is closed or ended, and a completion port
// tells when the last of them is gone.
#pragma once
#include <windows.h>

#include "framework/KernelHandles.h"

namespace halvane {

class CProcessJob {
public:
    CProcessJob() = default;
    CProcessJob(const CProcessJob&) = delete;
    CProcessJob& operator=(const CProcessJob&) = delete;

    // False when the system cannot make such a job.
    bool Create() noexcept;
    // Puts a process into the job; call it before the process runs, so its children follow.
    // False when there is no job or the process cannot join it (it is in a job of its own
    // that does not allow nesting, as on Windows 7).
    bool Adopt(HANDLE process) noexcept;
    // Ends every process of the job, then waits up to waitMs for the last one to be gone.
    bool EndAll(DWORD waitMs) noexcept;

private:
    fw::KernelHandle m_port;
    fw::KernelHandle m_job; // closed first: its processes end before the port goes
};

} // namespace halvane
