#include "tools/probe/ProcessImages.h"

#include <memory>
#include <type_traits>

namespace probe {

namespace {

struct HandleCloser {
    void operator()(HANDLE h) const noexcept { CloseHandle(h); }
};
using UniqueProcess = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

bool SameIgnoringCase(const wchar_t* a, int an, const wchar_t* b, int bn) {
    return CompareStringOrdinal(a, an, b, bn, TRUE) == CSTR_EQUAL;
}

} // namespace

CProcessImages::CProcessImages() : m_self(GetCurrentProcessId()) {
    wchar_t dir[MAX_PATH];
    UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        m_windowsDir.assign(dir, n);
}

const std::wstring& CProcessImages::ImagePath(DWORD pid) {
    auto found = m_paths.find(pid);
    if (found != m_paths.end())
        return found->second;
    std::wstring path;
    UniqueProcess process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (process) {
        wchar_t buffer[1024];
        DWORD size = 1024;
        if (QueryFullProcessImageNameW(process.get(), 0, buffer, &size))
            path.assign(buffer, size);
    }
    return m_paths.emplace(pid, std::move(path)).first->second;
}

bool CProcessImages::HasImageName(DWORD pid, const std::wstring& name) {
    const std::wstring& path = ImagePath(pid);
    std::size_t slash = path.find_last_of(L"\\/");
    std::size_t start = slash == std::wstring::npos ? 0 : slash + 1;
    return SameIgnoringCase(path.c_str() + start, static_cast<int>(path.size() - start),
                            name.c_str(), static_cast<int>(name.size()));
}

bool CProcessImages::IsWineInternal(DWORD pid) {
    const std::wstring& path = ImagePath(pid);
    std::size_t n = m_windowsDir.size();
    return n > 0 && path.size() > n && (path[n] == L'\\' || path[n] == L'/') &&
           SameIgnoringCase(path.c_str(), static_cast<int>(n), m_windowsDir.c_str(),
                            static_cast<int>(n));
}

} // namespace probe
