// Loads a system DLL by its full path in the system folder. The tool runs elevated from a folder
// the user was handed: a planted copy of a system DLL there must never be loaded. Header-only,
// so the feedback library can use it without linking the framework.
#pragma once

#include <windows.h>

#include <cwchar>
#include <iterator>

#include "framework/KernelHandles.h"

namespace halvane::fw {

inline HMODULE LoadSystemLibraryRaw(const wchar_t* name) noexcept {
    wchar_t path[MAX_PATH + 64] = {};
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    const std::size_t nameLength = std::wcslen(name);
    if (length == 0 || length >= MAX_PATH || length + 1 + nameLength >= std::size(path))
        return nullptr;
    path[length] = L'\\';
    std::wmemcpy(path + length + 1, name, nameLength + 1);
    return ::LoadLibraryW(path);
}

inline ModuleHandle LoadSystemLibrary(const wchar_t* name) noexcept {
    return ModuleHandle(LoadSystemLibraryRaw(name));
}

} // namespace halvane::fw
