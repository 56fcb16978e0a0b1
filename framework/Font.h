// Owning font.
#pragma once

#include "framework/GdiObject.h"

namespace halvane {

class CFont : public CGdiObject<HFONT> {
public:
    BOOL CreateFontIndirect(const LOGFONTW* logFont) noexcept;
    // Fills the record of the held font; FALSE when there is none.
    BOOL GetLogFont(LOGFONTW* logFont) const noexcept;
};

} // namespace halvane
