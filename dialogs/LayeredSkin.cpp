#include "dialogs/LayeredSkin.h"

#include <cstdint>
#include <cstring>
#include <mutex>

#include "dialogs/Premultiply.h"
#include "dialogs/SkinPixelCache.h"
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

// Two: a mode change shows the please-wait dialog and the outcome prompt in turn.
std::mutex g_pixelsLock;
SkinPixelCache g_pixels(2);

// Fills the DIB from the kept pixels; false when there are none for this skin.
bool CopyKeptPixels(void* bits, const SharedImage& skin, int width, int height,
                    bool highQuality) noexcept {
    const std::lock_guard<std::mutex> guard(g_pixelsLock);
    const std::vector<std::uint32_t>* kept = g_pixels.Find(skin, width, height, highQuality);
    if (kept == nullptr)
        return false;
    std::memcpy(bits, kept->data(), kept->size() * sizeof(std::uint32_t));
    return true;
}

void KeepPixels(const void* bits, const SharedImage& skin, int width, int height,
                bool highQuality) noexcept {
    try {
        const std::lock_guard<std::mutex> guard(g_pixelsLock);
        g_pixels.Keep(skin, width, height, highQuality, static_cast<const std::uint32_t*>(bits));
    } catch (...) {
        // Not kept: the next window draws its skin again.
    }
}

} // namespace

BOOL UpdateLayeredSkin(HWND window, const SharedImage& skin, int width, int height,
                       bool highQuality) noexcept {
    if (window == nullptr || !skin || width <= 0 || height <= 0)
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

    if (!CopyKeptPixels(bits, skin, width, height, highQuality)) {
        // A fresh DIB section is all zero: fully transparent wherever the skin draws nothing.
        if (!DrawStraightAlpha(bits, *skin, width, height, highQuality))
            return FALSE;
        ::GdiFlush();
        PremultiplyPixels(static_cast<std::uint32_t*>(bits),
                          static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        KeepPixels(bits, skin, width, height, highQuality);
    }

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
