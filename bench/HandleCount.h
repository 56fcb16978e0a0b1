// The kernel handles another process holds, counted from outside. Under Wine 8
// GetProcessHandleCount of another process gives 0; the system-wide handle list of ntdll's
// NtQuerySystemInformation is answered by the Wine server, so the driver counts that process's
// entries in it.
#pragma once
#include <windows.h>

namespace halvane::bench {

// Handles held by process `pid`; -1 when the system does not answer.
long HandleCountOf(DWORD pid) noexcept;

} // namespace halvane::bench
