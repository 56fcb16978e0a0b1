// Owners of kernel objects: header-only, so code below the window layer (the engine, the log
// writer) can use them without linking the framework.
#pragma once

#include <windows.h>

#include "framework/UniqueHandle.h"

namespace halvane::fw {

struct KernelHandleTraits : NullHandleTraits<HANDLE> {
    static void Free(HANDLE h) noexcept { ::CloseHandle(h); }
};

// CreateFileW reports failure as INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(Handle h) noexcept { ::CloseHandle(h); }
    static void Adopted(Handle) noexcept {}
    static void Disowned(Handle) noexcept {}
};

struct ModuleTraits : NullHandleTraits<HMODULE> {
    static void Free(HMODULE h) noexcept { ::FreeLibrary(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using ModuleHandle = UniqueHandle<ModuleTraits>;

} // namespace halvane::fw
