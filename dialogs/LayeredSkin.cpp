#include "dialogs/LayeredSkin.h"

#include <cstdint>

#include "dialogs/Premultiply.h"
#include "framework/ClientDC.h"
#include "framework/DC.h"
#include "framework/Handles.h"
#include "framework/ScopedSelect.h"

namespace halvane {

namespace {

// GDI+ draws straight into the DIB's pixels: top-down rows, straight (not premultiplied) alpha.
bool DrawStraightAlpha(void* bits, Gdiplus::Image& skin, int width, int height,
                       bool highQuality) noexcept {
    Gdiplus::Bitmap canvas(width, height, width * 4, PixelFormat32bppARGB,
                           static_cast<BYTE*>(bits));
    if (canvas.GetLastStatus() != Gdiplus::Ok)
        return false;
    Gdiplus::Graphics graphics(&canvas);
    if (highQuality)
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    graphics.DrawImage(&skin, 0, 0, width, height);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    return true;
}

} // namespace

BOOL UpdateLayeredSkin(HWND window, Gdiplus::Image& skin, int width, int height,
                       bool highQuality) noexcept {
    if (window == nullptr || width <= 0 || height <= 0)
        return FALSE;
    CClientDC windowDc(window);
    if (windowDc.GetSafeHdc() == nullptr)
        return FALSE;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, as GDI+ writes it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::BitmapHandle dib(::CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || bits == nullptr)
        return FALSE;
    CDC memory;
    if (!memory.CreateCompatibleDC(windowDc))
        return FALSE;
    fw::ScopedSelect select(memory, dib.Get());

    // A fresh DIB section is all zero: fully transparent wherever the skin draws nothing.
    if (!DrawStraightAlpha(bits, skin, width, height, highQuality))
        return FALSE;
    ::GdiFlush();
    PremultiplyPixels(static_cast<std::uint32_t*>(bits),
                      static_cast<std::size_t>(width) * static_cast<std::size_t>(height));

    RECT rect{};
    ::GetWindowRect(window, &rect);
    POINT destination{rect.left, rect.top};
    SIZE size{width, height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return ::UpdateLayeredWindow(window, windowDc, &destination, &size, memory, &source, 0, &blend,
                                 ULW_ALPHA);
}

} // namespace halvane
