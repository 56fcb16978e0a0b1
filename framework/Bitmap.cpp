#include "framework/Bitmap.h"

#include "framework/ResourceHandle.h"

namespace halvane {

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height) noexcept {
    if (dc == nullptr)
        return FALSE;
    return Attach(::CreateCompatibleBitmap(dc, width, height));
}

BOOL CBitmap::LoadBitmap(UINT resourceId) noexcept {
    return Attach(::LoadBitmapW(fw::GetResourceHandle(), MAKEINTRESOURCEW(resourceId)));
}

BOOL CBitmap::GetBitmap(BITMAP* info) const noexcept {
    if (info == nullptr || GetSafeHandle() == nullptr)
        return FALSE;
    return ::GetObjectW(GetSafeHandle(), sizeof(BITMAP), info) == sizeof(BITMAP);
}

} // namespace halvane
