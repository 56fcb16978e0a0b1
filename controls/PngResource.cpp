#include "controls/PngResource.h"

#include <cstring>
#include <new>

#include "framework/Handles.h"
#include "framework/ResourceHandle.h"

namespace halvane {

int LoadPngFromResource(Gdiplus::Image** image, WORD id) noexcept {
    if (image == nullptr)
        return 0;
    HINSTANCE module = fw::GetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (found == nullptr)
        return 0;
    const DWORD size = ::SizeofResource(module, found);
    HGLOBAL resource = ::LoadResource(module, found);
    const void* bytes = resource ? ::LockResource(resource) : nullptr;
    if (bytes == nullptr)
        return 0;

    // GDI+ may read the stream for as long as the image lives, so the bytes get a block of their
    // own. The stream frees the block with its last reference, and the image holds a reference
    // while it needs the bytes: deleting the image releases everything.
    fw::GlobalMemoryHandle block(::GlobalAlloc(GMEM_FIXED, size));
    void* copy = block ? ::GlobalLock(block.Get()) : nullptr;
    if (copy == nullptr)
        return 0;
    std::memcpy(copy, bytes, size);
    ::GlobalUnlock(block.Get());

    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), TRUE, &stream)) || stream == nullptr)
        return 0;
    block.Release();

    // GdiplusBase's operator new has no failure path of its own: allocate with GDI+'s allocator
    // (delete frees through it) and construct only on success.
    void* memory = Gdiplus::DllExports::GdipAlloc(sizeof(Gdiplus::Image));
    Gdiplus::Image* loaded = memory ? ::new (memory) Gdiplus::Image(stream, FALSE) : nullptr;
    stream->Release();
    ::FreeResource(resource);
    if (loaded == nullptr)
        return 0;
    *image = loaded;
    return 1;
}

} // namespace halvane
