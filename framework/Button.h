// CButton: push buttons, check boxes and owner-drawn buttons. The parent reflects WM_DRAWITEM of
// a bound button to DrawItem, the owner-draw hook of the skinned buttons.
#pragma once

#include "framework/Wnd.h"

namespace halvane {

class CButton : public CWnd {
public:
    BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) noexcept {
        return CWnd::Create(L"BUTTON", caption, style, rect, parent, id);
    }
    int GetCheck() const noexcept { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const noexcept {
        SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
    }
    UINT GetState() const noexcept { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL highlight) const noexcept { SendMessage(BM_SETSTATE, highlight); }
    UINT GetButtonStyle() const noexcept { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) const noexcept {
        SendMessage(BM_SETSTYLE, style, redraw);
    }

    // Owner-draw painting; the default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT) noexcept {}

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT* result) noexcept override;
};

} // namespace halvane
