// Owning device context made with CreateCompatibleDC (kept across paints or made per paint).
// Borrowed DCs (a DRAWITEMSTRUCT's, WM_ERASEBKGND's) stay plain HDC values.
#pragma once

#include <windows.h>

#include "framework/Handles.h"

namespace halvane {

class CDC {
public:
    CDC() noexcept = default;
    CDC(CDC&&) noexcept = default;
    CDC& operator=(CDC&&) noexcept = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    ~CDC() = default;

    // A memory DC compatible with `reference` (null: with the screen). Replaces any held DC.
    BOOL CreateCompatibleDC(HDC reference) noexcept {
        m_dc.Reset(::CreateCompatibleDC(reference));
        return m_dc.Get() != nullptr;
    }
    BOOL DeleteDC() noexcept {
        if (!m_dc)
            return FALSE;
        m_dc.Reset();
        return TRUE;
    }
    HDC GetSafeHdc() const noexcept { return m_dc.Get(); }
    operator HDC() const noexcept { return m_dc.Get(); }

private:
    fw::DcHandle m_dc;
};

} // namespace halvane
