// The four state images of a skinned push button (normal, hover, pressed, disabled), loaded from
// PNG resources and owned here, so a button that is never released cannot leak them; and the
// steps both skinned buttons take with them: the hover request and the face drawn over the
// owner's background.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <array>
#include <memory>

#include "controls/ButtonState.h"
#include "controls/PngCache.h"

namespace halvane {

class CButtonImages {
public:
    // Takes each slot's image from the process's PNG cache. An id without a resource leaves its
    // slot as it was; an image taken over an older one replaces it.
    void Load(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId) noexcept;
    // Lets go of every image and empties the slots.
    void Release() noexcept;
    // All four slots hold an image; the buttons draw nothing otherwise.
    bool Complete() const noexcept;
    Gdiplus::Image* Get(FaceSlot slot) const noexcept;

private:
    std::array<SharedImage, 4> m_images;
};

// One WM_MOUSEHOVER (after the buttons' short hover time) and one WM_MOUSELEAVE for `button`.
void TrackHoverAndLeave(HWND button) noexcept;

// `bkRect` of the owner's background (when there is one), then `face` (when there is one, the
// part FaceSourceSize gives for `faceScale`), each stretched onto `target` of `dc`.
void DrawButtonFace(HDC dc, const RECT& target, Gdiplus::Image* background, const RECT& bkRect,
                    Gdiplus::Image* face, float faceScale) noexcept;

} // namespace halvane
