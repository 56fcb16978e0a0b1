#include "win/support/Capture.h"

#include <vector>

#include "framework/ClientDC.h"
#include "win/support/Pump.h"

namespace halvane::test {

DibSurface::DibSurface(int width, int height) : m_width(width), m_height(height) {
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_dc.Reset(::CreateCompatibleDC(nullptr));
    m_dib.Reset(::CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &m_bits, nullptr, 0));
    if (m_dc && m_dib && m_bits != nullptr)
        m_select.emplace(m_dc.Get(), m_dib.Get());
}

Pixels DibSurface::Read() const {
    if (!IsValid())
        return Pixels();
    ::GdiFlush();
    const auto* bits = static_cast<const DWORD*>(m_bits); // 0x00RRGGBB each
    std::vector<COLORREF> colours(static_cast<std::size_t>(m_width) *
                                  static_cast<std::size_t>(m_height));
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = RGB((bits[i] >> 16) & 0xFF, (bits[i] >> 8) & 0xFF, bits[i] & 0xFF);
    return Pixels(m_width, m_height, std::move(colours));
}

namespace {

// `width` x `height` pixels at (0, 0) of `source`.
Pixels ReadBack(HDC source, int width, int height) {
    DibSurface copy(width, height);
    if (!copy.IsValid())
        return Pixels();
    ::BitBlt(copy.Dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    return copy.Read();
}

} // namespace

Pixels CaptureClient(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    const CClientDC dc(window);
    return ReadBack(dc, client.right, client.bottom);
}

Pixels Shown(HWND window) {
    PumpPending();
    return CaptureClient(window);
}

} // namespace halvane::test
