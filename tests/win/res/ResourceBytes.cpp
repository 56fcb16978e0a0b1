#include "ResourceBytes.h"

#include <windows.h>

std::vector<unsigned char> ResourceBytes(const wchar_t* type, int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes)
        return {};
    return std::vector<unsigned char>(bytes, bytes + size);
}

namespace {

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) noexcept {
    if (IS_INTRESOURCE(name)) {
        auto* ids = reinterpret_cast<std::vector<int>*>(param);
        try {
            ids->push_back(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
        } catch (...) {
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace

std::vector<int> ResourceIds(const wchar_t* type) {
    std::vector<int> ids;
    EnumResourceNamesW(GetModuleHandleW(nullptr), type, CollectId,
                       reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}
