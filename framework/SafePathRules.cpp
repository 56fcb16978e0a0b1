#include "framework/SafePathRules.h"

namespace halvane::fw {

bool IsUsableEntry(std::uint32_t attributes, std::uint32_t linkCount, EntryKind kind) noexcept {
    if ((attributes & kAttributeReparsePoint) != 0)
        return false;
    const bool isFolder = (attributes & kAttributeDirectory) != 0;
    if (kind == EntryKind::Folder)
        return isFolder;
    return !isFolder && linkCount == 1;
}

bool IsPlainChildName(std::wstring_view name) noexcept {
    if (name.empty() || name == L"." || name == L"..")
        return false;
    for (const wchar_t c : name) {
        if (c < 0x20 || c == L'\\' || c == L'/' || c == L':')
            return false;
    }
    return true;
}

std::wstring OrdinaryPathForm(std::wstring_view path) {
    std::wstring result;
    if (path.substr(0, 8) == L"\\\\?\\UNC\\")
        result = L"\\\\" + std::wstring(path.substr(8));
    else if (path.substr(0, 4) == L"\\\\?\\")
        result = std::wstring(path.substr(4));
    else
        result = std::wstring(path);
    while (!result.empty() && (result.back() == L'\\' || result.back() == L'/'))
        result.pop_back();
    if (result.size() == 2 && result[1] == L':')
        result += L'\\';
    return result;
}

std::wstring ChildPath(std::wstring_view folder, std::wstring_view name) {
    std::wstring result(folder);
    if (!result.empty() && result.back() != L'\\')
        result += L'\\';
    result += name;
    return result;
}

} // namespace halvane::fw
