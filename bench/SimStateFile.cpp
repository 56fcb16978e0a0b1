#include "bench/SimStateFile.h"

#include "framework/KernelHandles.h"

#include <windows.h>

namespace halvane::bench {

SimStateFile::SimStateFile(const std::string& utf8Text) {
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetTempPathW(MAX_PATH, folder);
    if (n == 0 || n >= MAX_PATH || ::GetTempFileNameW(folder, L"bch", 0, path) == 0)
        return;
    m_path = path;
    const fw::FileHandle file(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    m_ready = file &&
              ::WriteFile(file.Get(), utf8Text.data(), static_cast<DWORD>(utf8Text.size()),
                          &written, nullptr) &&
              written == utf8Text.size() && ::SetEnvironmentVariableW(L"POWERCFG_SIM_STATE", path);
}

SimStateFile::~SimStateFile() {
    if (m_path.empty())
        return;
    ::SetEnvironmentVariableW(L"POWERCFG_SIM_STATE", nullptr);
    ::DeleteFileW(m_path.c_str());
}

std::string SimStateFile::Read() const {
    std::string bytes;
    const fw::FileHandle file(::CreateFileW(m_path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    if (!file)
        return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return bytes;
}

} // namespace halvane::bench
