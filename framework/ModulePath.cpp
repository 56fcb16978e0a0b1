#include "framework/ModulePath.h"

namespace halvane::fw {

namespace {
// Beyond the longest path Windows accepts (32767) with room to spare.
constexpr DWORD kLargestBuffer = 65536;
} // namespace

std::wstring ModuleFilePath(HMODULE module) {
    for (DWORD size = MAX_PATH + 1; size <= kLargestBuffer; size *= 2) {
        std::wstring path(size, L'\0');
        ::SetLastError(ERROR_SUCCESS);
        const DWORD length = ::GetModuleFileNameW(module, path.data(), size);
        if (length == 0)
            return {};
        // A result that fills the buffer may be cut (older systems do not say so): try larger.
        if (length < size && ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            path.resize(length);
            return path;
        }
    }
    return {};
}

std::wstring ModuleFolder(HMODULE module) {
    const std::wstring path = ModuleFilePath(module);
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace halvane::fw
