// The system folder, and system DLLs loaded by their full path in it. The tool runs elevated from
// a folder the user was handed: a planted copy of a system DLL there must never be loaded.
// Header-only, so the feedback library can use it without linking the framework.
#pragma once

#include <windows.h>

#include <string>

#include "framework/KernelHandles.h"

namespace halvane::fw {

// The system folder (no trailing backslash), or empty when it cannot be had in MAX_PATH.
inline std::wstring SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

inline HMODULE LoadSystemLibraryRaw(const wchar_t* name) noexcept {
    try {
        const std::wstring folder = SystemFolder();
        if (folder.empty())
            return nullptr;
        return ::LoadLibraryW((folder + L'\\' + name).c_str());
    } catch (...) {
        return nullptr; // out of memory for a path: nothing loaded
    }
}

inline ModuleHandle LoadSystemLibrary(const wchar_t* name) noexcept {
    return ModuleHandle(LoadSystemLibraryRaw(name));
}

} // namespace halvane::fw
