// The owning handle types of the system. Borrowed handles stay plain HWND/HDC/HFONT values.
#pragma once

#include <windows.h>

#include "framework/GdiObjectCounter.h"
#include "framework/KernelHandles.h"
#include "framework/UniqueHandle.h"

namespace halvane::fw {

// GDI objects and memory DCs are counted so tests can prove that nothing is left behind.
template <class H> struct CountedGdiTraits : NullHandleTraits<H> {
    static void Adopted(H h) noexcept {
        if (h != nullptr)
            GdiObjectCounter::Acquired();
    }
    static void Disowned(H) noexcept { GdiObjectCounter::Released(); }
};

template <class H> struct GdiObjectTraits : CountedGdiTraits<H> {
    static void Free(H h) noexcept {
        ::DeleteObject(h);
        GdiObjectCounter::Released();
    }
};

struct DcTraits : CountedGdiTraits<HDC> {
    static void Free(HDC h) noexcept {
        ::DeleteDC(h);
        GdiObjectCounter::Released();
    }
};

struct HookTraits : NullHandleTraits<HHOOK> {
    static void Free(HHOOK h) noexcept { ::UnhookWindowsHookEx(h); }
};

struct GlobalMemoryTraits : NullHandleTraits<HGLOBAL> {
    static void Free(HGLOBAL h) noexcept { ::GlobalFree(h); }
};

using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using GdiObjectHandle = UniqueHandle<GdiObjectTraits<HGDIOBJ>>;
using DcHandle = UniqueHandle<DcTraits>;
using HookHandle = UniqueHandle<HookTraits>;
using GlobalMemoryHandle = UniqueHandle<GlobalMemoryTraits>;

} // namespace halvane::fw
