// Owning bitmap.
#pragma once

#include "framework/GdiObject.h"

namespace halvane {

class CBitmap : public CGdiObject<HBITMAP> {
public:
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height) noexcept;
    // Bitmap resource of the module that holds the program's resources.
    BOOL LoadBitmap(UINT resourceId) noexcept;
    BOOL GetBitmap(BITMAP* info) const noexcept;
};

} // namespace halvane
