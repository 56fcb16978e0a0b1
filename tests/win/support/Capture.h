// Pixels read back through a 32-bit top-down DIB: a window's client area as the screen shows it
// (BitBlt of the window's DC, so what was painted behind a control's back shows too), or any DC.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/Handles.h"
#include "framework/ScopedSelect.h"
#include "win/support/Pixels.h"

namespace halvane::test {

// A memory DC holding a 32-bit top-down DIB whose bits are read straight back.
class DibSurface {
public:
    DibSurface(int width, int height);
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    bool IsValid() const { return m_select.has_value(); }
    HDC Dc() const { return m_dc.Get(); }
    // What the surface holds now (GDI's batch flushed first); empty when it is not valid.
    Pixels Read() const;

private:
    int m_width;
    int m_height;
    void* m_bits = nullptr;
    fw::DcHandle m_dc;
    fw::BitmapHandle m_dib;
    std::optional<fw::ScopedSelect> m_select; // put back before the DIB and the DC go
};

// The window's client area as it is on the screen now.
Pixels CaptureClient(HWND window);
// The client area after the paints already pending (messages dispatched first).
Pixels Shown(HWND window);

} // namespace halvane::test
