// A program started by the benchmark from its own folder; ended (never closed: closing the tool
// would remove its folder) when the object goes.
#pragma once
#include <windows.h>

#include <string>

namespace halvane::bench {

class ChildProgram {
public:
    ChildProgram() = default;
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;
    ~ChildProgram();

    // Starts `exe` (a full path) with its folder as the current directory.
    bool Start(const std::wstring& exe, const std::wstring& args = {}) noexcept;
    void End() noexcept;

    HANDLE Process() const noexcept { return m_info.hProcess; }
    DWORD Id() const noexcept { return m_info.dwProcessId; }

private:
    PROCESS_INFORMATION m_info{};
};

} // namespace halvane::bench
