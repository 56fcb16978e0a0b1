// The bare way to run a command through the interpreter and read its output: what the
// command runner does, without anything of its own around it. The benchmark's baseline.
#pragma once
#include <string>

namespace halvane::bench {

struct BareRunResult {
    bool started = false;
    unsigned long error = 0; // GetLastError of the failed step when not started
    std::string bytes;       // everything the command wrote, as raw bytes
    int readsWithData = 0;   // each one was followed by the 500 ms pause
};

class BareCommandRun {
public:
    // Finds the system folder once, so no run pays for it.
    BareCommandRun();
    bool Ready() const { return !m_interpreter.empty(); }

    // Starts "<system>\cmd.exe" with "cmd /C <command>" in the system folder, stdout and
    // stderr on an inherited pipe, reads to the broken pipe and waits for the process.
    BareRunResult Run(const std::wstring& command) const;

private:
    std::wstring m_folder;
    std::wstring m_interpreter;
};

} // namespace halvane::bench
