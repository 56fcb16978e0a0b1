// The channel a command's output comes back through. The read end is ours and overlapped, so a
// read can be given up when the run's time is over even while a hung child keeps the pipe open;
// the write end is inheritable and goes to the child as its standard output and error.
#pragma once
#include <windows.h>

#include "framework/KernelHandles.h"

namespace halvane {

class COutputPipe {
public:
    enum class ReadResult { Data, Ended, TimedOut };

    COutputPipe() = default;
    COutputPipe(const COutputPipe&) = delete;
    COutputPipe& operator=(const COutputPipe&) = delete;

    // A named pipe of one instance, made by us and connected by us at once, so no other
    // process can be its writer or its reader.
    bool Create() noexcept;
    HANDLE WriteEnd() const noexcept { return m_write.Get(); }
    // Once the child has its copy: the pipe then breaks when the last writer has ended.
    void CloseWriteEnd() noexcept { m_write.Reset(); }

    // Reads what the pipe holds, at most size bytes, waiting up to timeoutMs for the first
    // byte. Ended when the pipe broke (every writer gone) or the read failed.
    ReadResult Read(char* buffer, DWORD size, DWORD timeoutMs, DWORD* got) noexcept;

private:
    fw::FileHandle m_read;
    fw::FileHandle m_write;
    fw::KernelHandle m_readDone; // the overlapped read's event
};

} // namespace halvane
