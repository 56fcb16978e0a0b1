#include "engine/OutputPipe.h"

#include <atomic>
#include <utility>

namespace halvane {

namespace {
std::atomic<unsigned long> g_pipeCount{0};
constexpr DWORD kPipeBufferBytes = 4096;
} // namespace

bool COutputPipe::Create() noexcept {
    wchar_t name[96];
    ::wsprintfW(name, L"\\\\.\\pipe\\Halvane-output-%lu-%lu-%lu", ::GetCurrentProcessId(),
                g_pipeCount.fetch_add(1) + 1, ::GetTickCount());
    // One instance, and it must be the first of its name: a pipe planted under this name by
    // someone else makes the creation fail instead of handing them our output.
    fw::FileHandle read(::CreateNamedPipeW(
        name, PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
        kPipeBufferBytes, kPipeBufferBytes, 0, nullptr));
    if (!read)
        return false;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    fw::FileHandle write(::CreateFileW(name, GENERIC_WRITE, 0, &inheritable, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    fw::KernelHandle readDone(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!write || !readDone)
        return false;
    m_read = std::move(read);
    m_write = std::move(write);
    m_readDone = std::move(readDone);
    return true;
}

COutputPipe::ReadResult COutputPipe::Read(char* buffer, DWORD size, DWORD timeoutMs,
                                          DWORD* got) noexcept {
    *got = 0;
    OVERLAPPED read{};
    read.hEvent = m_readDone.Get();
    ::ResetEvent(read.hEvent);
    if (!::ReadFile(m_read.Get(), buffer, size, nullptr, &read) &&
        ::GetLastError() != ERROR_IO_PENDING)
        return ReadResult::Ended;
    if (::WaitForSingleObject(read.hEvent, timeoutMs) != WAIT_OBJECT_0) {
        // The buffer and the OVERLAPPED must outlive the read: wait until it has let go.
        ::CancelIoEx(m_read.Get(), &read);
        DWORD ignored = 0;
        ::GetOverlappedResult(m_read.Get(), &read, &ignored, TRUE);
        return ReadResult::TimedOut;
    }
    return ::GetOverlappedResult(m_read.Get(), &read, got, FALSE) ? ReadResult::Data
                                                                  : ReadResult::Ended;
}

} // namespace halvane
