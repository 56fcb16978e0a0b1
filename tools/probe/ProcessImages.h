// Image paths of the processes that own windows, looked up once per process.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace probe {

class CProcessImages {
public:
    CProcessImages();

    // Full Windows path of the process's image, empty when the process cannot be opened.
    const std::wstring& ImagePath(DWORD pid);
    // Compares the file name part, ignoring case.
    bool HasImageName(DWORD pid, const std::wstring& name);
    // Wine's own processes (explorer, services, ...) run from the Windows folder.
    bool IsWineInternal(DWORD pid);
    DWORD Self() const { return m_self; }

private:
    std::map<DWORD, std::wstring> m_paths;
    std::wstring m_windowsDir;
    DWORD m_self;
};

} // namespace probe
