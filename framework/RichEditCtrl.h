// CRichEditCtrl: the read-only "RichEdit20W" text of the agreement dialog.
#pragma once

#include <windows.h>

#include <richedit.h>

#include "framework/Handles.h"
#include "framework/SystemLibrary.h"
#include "framework/Wnd.h"

namespace halvane {

class CRichEditCtrl : public CWnd {
public:
    // Loads the library that registers "RichEdit20W"; keep the handle while such controls live.
    static fw::ModuleHandle LoadRichEditLibrary() noexcept {
        return fw::LoadSystemLibrary(L"riched20.dll");
    }

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) noexcept {
        return CWnd::Create(RICHEDIT_CLASSW, nullptr, style, rect, parent, id);
    }
    void SetSel(long start, long end) const noexcept {
        CHARRANGE range{start, end};
        SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    void ReplaceSel(LPCWSTR text, BOOL canUndo = FALSE) const noexcept {
        SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
    }
    BOOL SetReadOnly(BOOL readOnly = TRUE) const noexcept {
        return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
    }
    COLORREF SetBackgroundColor(BOOL systemColour, COLORREF colour) const noexcept {
        return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, systemColour, colour));
    }
    int GetLineCount() const noexcept { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    int GetFirstVisibleLine() const noexcept {
        return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE));
    }
    BOOL LineScroll(int lines, int chars = 0) const noexcept {
        return static_cast<BOOL>(SendMessage(EM_LINESCROLL, static_cast<WPARAM>(chars), lines));
    }
};

} // namespace halvane
