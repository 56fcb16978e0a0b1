// CStatic: static text controls.
#pragma once

#include "framework/Wnd.h"

namespace halvane {

class CStatic : public CWnd {
public:
    BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent,
                UINT id = 0xFFFF) noexcept {
        return CWnd::Create(L"STATIC", text, style, rect, parent, id);
    }
};

} // namespace halvane
