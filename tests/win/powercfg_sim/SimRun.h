// Runs the installed powercfg.exe (or a cmd line) with its output on a pipe, as a reader would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SimRun {
    bool started = false;
    std::string bytes;              // everything read, in order
    std::vector<std::string> reads; // what each ReadFile returned
    DWORD exitCode = 0;
};

// Scoped state file: a fresh path under %TEMP% that POWERCFG_SIM_STATE points at.
class CSimStateFile {
public:
    // A sub-folder that does not exist yet, so the simulator must create it.
    explicit CSimStateFile(const std::string& initialUtf8 = {}, bool create = false);
    ~CSimStateFile();
    CSimStateFile(const CSimStateFile&) = delete;
    CSimStateFile& operator=(const CSimStateFile&) = delete;

    std::string Read() const; // UTF-8 text, or "" when missing
    void Write(const std::string& utf8) const;
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_folder;
    std::wstring m_path;
};

// Starts commandLine (searched on the path like any command) and reads until the pipe breaks.
SimRun RunCommand(const std::wstring& commandLine, const std::wstring& currentDir = {});

// Starts commandLine without reading; the caller owns the returned process handle.
HANDLE StartDetached(const std::wstring& commandLine);

// "key=value" of the state file text, or "" when absent.
std::string StateValue(const std::string& text, const std::string& key);
