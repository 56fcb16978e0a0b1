// The four state images of a skinned push button (normal, hover, pressed, disabled), loaded from
// PNG resources and owned here, so a button that is never released cannot leak them.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <array>
#include <memory>

#include "controls/ButtonState.h"

namespace halvane {

class CButtonImages {
public:
    // Loads a separate image per slot, even for repeated ids. An id without a resource leaves its
    // slot as it was; an image loaded over an older one replaces (and frees) it.
    void Load(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId) noexcept;
    // Frees every image and empties the slots.
    void Release() noexcept;
    // All four slots hold an image; the buttons draw nothing otherwise.
    bool Complete() const noexcept;
    Gdiplus::Image* Get(FaceSlot slot) const noexcept;

private:
    std::array<std::unique_ptr<Gdiplus::Image>, 4> m_images;
};

} // namespace halvane
