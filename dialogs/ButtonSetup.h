// Hands layout-table values (pure rectangles and picture ids) to the skinned buttons, which take
// them as separate integers.
#pragma once

#include <windows.h>

#include "dialogs/ButtonImageIds.h"
#include "framework/CenterPlacement.h"

namespace halvane {

inline RECT ToRect(const fw::IntRect& r) noexcept {
    return {r.left, r.top, r.right, r.bottom};
}

// Either button class (CPngButton, CImageButton).
template <typename Button> void SetBkImageRect(Button& button, const fw::IntRect& r) noexcept {
    button.SetBkImageRect(r.left, r.top, r.right, r.bottom);
}

template <typename Button> void SetPngImages(Button& button, const ButtonImages& images) noexcept {
    button.SetPngImages(static_cast<UINT>(images.normal), static_cast<UINT>(images.hover),
                        static_cast<UINT>(images.pressed), static_cast<UINT>(images.disabled));
}

} // namespace halvane
