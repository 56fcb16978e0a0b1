// The simulator's state file, opened and locked for one read-modify-write.
#pragma once

#include <windows.h>

#include <string>

namespace powercfgsim {

class CStateFile {
public:
    // Creates the file's folder as needed and waits for the exclusive lock on the file.
    explicit CStateFile(const std::wstring& path);
    ~CStateFile();
    CStateFile(const CStateFile&) = delete;
    CStateFile& operator=(const CStateFile&) = delete;

    bool IsOpen() const { return m_locked; }
    bool Read(std::string& text) const;
    bool Write(const std::string& text) const;

    // Path from POWERCFG_SIM_STATE, else the fixed one under ProgramData.
    static std::wstring DefaultPath();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    bool m_locked = false;
};

} // namespace powercfgsim
