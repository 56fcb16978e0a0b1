#include "controls/PngResource.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "controls/PngDecode.h"
#include "framework/Handles.h"
#include "framework/ResourceHandle.h"

namespace halvane {

namespace {

// GdiplusBase's operator new has no failure path of its own: allocate with GDI+'s allocator
// (delete frees through it) and construct only on success.
template <class T, class... Args> T* NewGdiplusObject(Args&&... args) noexcept {
    void* memory = Gdiplus::DllExports::GdipAlloc(sizeof(T));
    return memory ? ::new (memory) T(static_cast<Args&&>(args)...) : nullptr;
}

// The image GDI+ would decode from these bytes, made from our own decoding: the same size,
// pixel format and pixels, without GDI+'s codec round trips. Null when the bytes are not in
// the plain form, are damaged or memory runs out: GDI+ decodes them then.
Gdiplus::Image* BitmapFromPlainPng(const void* bytes, DWORD size) noexcept {
    const auto* data = static_cast<const std::uint8_t*>(bytes);
    PlainPngInfo info;
    if (!ReadPlainPngInfo(data, size, &info))
        return nullptr;
    const auto width = static_cast<INT>(info.width);
    const auto height = static_cast<INT>(info.height);
    const Gdiplus::PixelFormat format = info.alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;
    std::unique_ptr<Gdiplus::Bitmap> bitmap(
        NewGdiplusObject<Gdiplus::Bitmap>(width, height, format));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData locked{};
    if (bitmap->LockBits(&all, Gdiplus::ImageLockModeWrite, format, &locked) != Gdiplus::Ok)
        return nullptr;
    const bool decoded =
        DecodePlainPng(data, size, info, static_cast<std::uint8_t*>(locked.Scan0), locked.Stride);
    if (bitmap->UnlockBits(&locked) != Gdiplus::Ok || !decoded)
        return nullptr;
    return bitmap.release();
}

} // namespace

Gdiplus::Image* LoadPngFromBytes(const void* bytes, DWORD size) noexcept {
    if (bytes == nullptr)
        return nullptr;
    if (Gdiplus::Image* decoded = BitmapFromPlainPng(bytes, size))
        return decoded;

    // GDI+ may read the stream for as long as the image lives, so the bytes get a block of their
    // own. The stream frees the block with its last reference, and the image holds a reference
    // while it needs the bytes: deleting the image releases everything.
    fw::GlobalMemoryHandle block(::GlobalAlloc(GMEM_FIXED, size));
    void* copy = block ? ::GlobalLock(block.Get()) : nullptr;
    if (copy == nullptr)
        return nullptr;
    std::memcpy(copy, bytes, size);
    ::GlobalUnlock(block.Get());

    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), TRUE, &stream)) || stream == nullptr)
        return nullptr;
    block.Release();
    Gdiplus::Image* loaded = NewGdiplusObject<Gdiplus::Image>(stream, FALSE);
    stream->Release();
    return loaded;
}

int LoadPngFromResource(Gdiplus::Image** image, WORD id) noexcept {
    if (image == nullptr)
        return 0;
    HINSTANCE module = fw::GetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (found == nullptr)
        return 0;
    HGLOBAL resource = ::LoadResource(module, found);
    Gdiplus::Image* loaded = LoadPngFromBytes(resource ? ::LockResource(resource) : nullptr,
                                              ::SizeofResource(module, found));
    if (resource != nullptr)
        ::FreeResource(resource);
    if (loaded == nullptr)
        return 0;
    *image = loaded;
    return 1;
}

} // namespace halvane
