#include "framework/LongPath.h"

namespace halvane::fw {

std::wstring LongPathForm(std::wstring_view path, std::size_t limit) {
    if (path.size() < limit || path.substr(0, 4) == L"\\\\?\\")
        return std::wstring(path);
    if (path.substr(0, 2) == L"\\\\")
        return L"\\\\?\\UNC" + std::wstring(path.substr(1));
    return L"\\\\?\\" + std::wstring(path);
}

} // namespace halvane::fw
