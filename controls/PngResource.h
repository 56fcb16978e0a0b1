// Skin images: PNG resources (custom type "PNG") of the program's resource module as GDI+ images.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

namespace halvane {

// Returns 1 and stores a new image (the caller deletes it) when resource `id` exists, 0 and leaves
// *image as it was when it does not. 1 says only that the resource exists: bytes GDI+ cannot
// decode still give an image, which reports its error status when drawn.
int LoadPngFromResource(Gdiplus::Image** image, WORD id) noexcept;

// A new image of PNG bytes (the caller deletes it), null without memory. The plain form the art
// is stored in (see PngDecode.h) is decoded here; anything else is GDI+'s, as above.
Gdiplus::Image* LoadPngFromBytes(const void* bytes, DWORD size) noexcept;

} // namespace halvane
