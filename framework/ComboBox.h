// CComboBox: the drop-down list of the main panel.
#pragma once

#include <string>

#include "framework/Wnd.h"

namespace halvane {

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) noexcept {
        return CWnd::Create(L"COMBOBOX", nullptr, style, rect, parent, id);
    }
    int AddString(LPCWSTR text) const noexcept {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, LPCWSTR text) const noexcept {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(UINT index) const noexcept {
        return static_cast<int>(SendMessage(CB_DELETESTRING, index));
    }
    void ResetContent() const noexcept { SendMessage(CB_RESETCONTENT); }
    int GetCount() const noexcept { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const noexcept { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const noexcept {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    // The item's text; empty for an index out of range.
    std::wstring GetLBText(int index) const;
    int SetItemHeight(int index, UINT height) const noexcept {
        return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
    }
    int GetItemHeight(int index) const noexcept {
        return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
    }
    void ShowDropDown(BOOL show = TRUE) const noexcept { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const noexcept {
        return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE));
    }
};

} // namespace halvane
