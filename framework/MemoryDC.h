// Off-screen surface: a DC compatible with a reference DC holding a compatible bitmap of a given
// size. Everything is put back and deleted at the end of the scope.
#pragma once

#include <windows.h>

#include "framework/Handles.h"

namespace halvane {

class CMemoryDC {
public:
    CMemoryDC(HDC reference, int width, int height) noexcept;
    ~CMemoryDC();
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    // False when the DC or the bitmap could not be made; nothing may be drawn then.
    bool IsValid() const noexcept { return m_selected; }
    HDC GetSafeHdc() const noexcept { return m_dc.Get(); }
    operator HDC() const noexcept { return m_dc.Get(); }
    int Width() const noexcept { return m_width; }
    int Height() const noexcept { return m_height; }

    // Copies the whole surface to `target` at (x, y).
    BOOL BlitTo(HDC target, int x, int y) const noexcept;

private:
    fw::DcHandle m_dc;
    fw::BitmapHandle m_bitmap;
    HGDIOBJ m_previous = nullptr;
    bool m_selected = false;
    int m_width;
    int m_height;
};

} // namespace halvane
