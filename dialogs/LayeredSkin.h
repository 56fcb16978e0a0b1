// The content of a layered window: an image stretched over the whole window with per-pixel alpha.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include "controls/PngCache.h"

namespace halvane {

// Draws `skin` stretched to width x height into a 32-bit DIB, premultiplies it and hands it to
// UpdateLayeredWindow at the window's present top-left corner, which also sets the window's
// size. The window must carry WS_EX_LAYERED. The last two skins' premultiplied pixels are kept
// while their images live, so the same skin at the same size is not drawn again. FALSE when the
// skin is null or a DC, the DIB or the update failed.
BOOL UpdateLayeredSkin(HWND window, const SharedImage& skin, int width, int height,
                       bool highQuality) noexcept;

} // namespace halvane
