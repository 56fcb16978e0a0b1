#include "tools/powercfg-sim/StateFile.h"

#include <vector>

namespace powercfgsim {
namespace {

constexpr DWORD kWholeFile = 0xFFFFFFFF;

void CreateParentFolders(const std::wstring& path) {
    // Each prefix up to a separator, skipping the drive ("C:") and leading "\\".
    for (std::size_t pos = path.find_first_of(L"\\/"); pos != std::wstring::npos;
         pos = path.find_first_of(L"\\/", pos + 1)) {
        std::wstring folder = path.substr(0, pos);
        if (!folder.empty() && folder.back() != L':' && folder.back() != L'\\')
            CreateDirectoryW(folder.c_str(), nullptr);
    }
}

} // namespace

CStateFile::CStateFile(const std::wstring& path) {
    CreateParentFolders(path);
    // Shared opening, then a blocking byte-range lock: overlapping runs wait for each other
    // instead of failing or spinning on a sharing violation.
    m_hFile =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED at{};
    m_locked = LockFileEx(m_hFile, LOCKFILE_EXCLUSIVE_LOCK, 0, kWholeFile, kWholeFile, &at) != 0;
}

CStateFile::~CStateFile() {
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    if (m_locked) {
        OVERLAPPED at{};
        UnlockFileEx(m_hFile, 0, kWholeFile, kWholeFile, &at);
    }
    CloseHandle(m_hFile);
}

bool CStateFile::Read(std::string& text) const {
    LARGE_INTEGER size{};
    if (!m_locked || !GetFileSizeEx(m_hFile, &size) || size.QuadPart > (1 << 26))
        return false;
    text.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    LARGE_INTEGER zero{};
    DWORD got = 0;
    if (!SetFilePointerEx(m_hFile, zero, nullptr, FILE_BEGIN))
        return false;
    if (!text.empty() &&
        (!ReadFile(m_hFile, text.data(), static_cast<DWORD>(text.size()), &got, nullptr) ||
         got != text.size()))
        return false;
    return true;
}

bool CStateFile::Write(const std::string& text) const {
    LARGE_INTEGER zero{};
    DWORD put = 0;
    if (!m_locked || !SetFilePointerEx(m_hFile, zero, nullptr, FILE_BEGIN))
        return false;
    if (!WriteFile(m_hFile, text.data(), static_cast<DWORD>(text.size()), &put, nullptr) ||
        put != text.size())
        return false;
    return SetEndOfFile(m_hFile) && FlushFileBuffers(m_hFile);
}

std::wstring CStateFile::DefaultPath() {
    DWORD n = GetEnvironmentVariableW(L"POWERCFG_SIM_STATE", nullptr, 0);
    if (n > 1) {
        std::vector<wchar_t> buf(n);
        DWORD len = GetEnvironmentVariableW(L"POWERCFG_SIM_STATE", buf.data(), n);
        if (len > 0 && len < n)
            return std::wstring(buf.data(), len);
    }
    return L"C:\\ProgramData\\powercfg-sim\\state.txt";
}

} // namespace powercfgsim
