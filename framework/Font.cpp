#include "framework/Font.h"

namespace halvane {

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont) noexcept {
    if (logFont == nullptr)
        return FALSE;
    return Attach(::CreateFontIndirectW(logFont));
}

BOOL CFont::GetLogFont(LOGFONTW* logFont) const noexcept {
    if (logFont == nullptr || GetSafeHandle() == nullptr)
        return FALSE;
    return ::GetObjectW(GetSafeHandle(), sizeof(LOGFONTW), logFont) == sizeof(LOGFONTW);
}

} // namespace halvane
