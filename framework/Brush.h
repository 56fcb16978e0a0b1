// Owning brush.
#pragma once

#include "framework/GdiObject.h"

namespace halvane {

class CBrush : public CGdiObject<HBRUSH> {
public:
    CBrush() noexcept = default;
    // A solid brush made at construction, as the skinned controls keep their fill.
    explicit CBrush(COLORREF colour) noexcept { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour) noexcept { return Attach(::CreateSolidBrush(colour)); }
};

} // namespace halvane
