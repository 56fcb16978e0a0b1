#include "engine/ProcessJob.h"

#include "engine/RunDeadline.h"

#include <utility>

namespace halvane {

namespace {
constexpr ULONG_PTR kJobKey = 1;
constexpr UINT kEndedExitCode = 1;
} // namespace

bool CProcessJob::Create() noexcept {
    fw::KernelHandle job(::CreateJobObjectW(nullptr, nullptr));
    fw::KernelHandle port(::CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    if (!job || !port)
        return false;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!::SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits,
                                   sizeof(limits)))
        return false;
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{reinterpret_cast<PVOID>(kJobKey), port.Get()};
    if (!::SetInformationJobObject(job.Get(), JobObjectAssociateCompletionPortInformation,
                                   &association, sizeof(association)))
        return false;
    m_job = std::move(job);
    m_port = std::move(port);
    return true;
}

bool CProcessJob::Adopt(HANDLE process) noexcept {
    return m_job && ::AssignProcessToJobObject(m_job.Get(), process) != FALSE;
}

bool CProcessJob::EndAll(DWORD waitMs) noexcept {
    if (!m_job || !::TerminateJobObject(m_job.Get(), kEndedExitCode))
        return false;
    const RunDeadline deadline(::GetTickCount64(), waitMs);
    for (;;) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED detail = nullptr;
        const DWORD left = deadline.RemainingAt(::GetTickCount64());
        if (left == 0 || !::GetQueuedCompletionStatus(m_port.Get(), &message, &key, &detail, left))
            return false;
        if (key == kJobKey && message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO)
            return true;
    }
}

} // namespace halvane
