#include "win/support/Gdiplus.h"

#include <vector>

namespace halvane::test {

void GdiplusEnvironment::SetUp() {
    m_session.emplace();
    ASSERT_TRUE(m_session->IsStarted()) << "GdiplusStartup: " << m_session->Status();
}

void GdiplusEnvironment::TearDown() {
    m_session.reset();
}

Pixels Rendered(Gdiplus::Image& image, const RECT& source, int width, int height) {
    if (width <= 0 || height <= 0)
        return Pixels();
    Gdiplus::Bitmap canvas(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&canvas);
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        graphics.DrawImage(&image, Gdiplus::Rect(0, 0, width, height), source.left, source.top,
                           source.right - source.left, source.bottom - source.top,
                           Gdiplus::UnitPixel);
    }
    std::vector<COLORREF> colours;
    colours.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Gdiplus::Color c;
            canvas.GetPixel(x, y, &c);
            colours.push_back(RGB(c.GetR(), c.GetG(), c.GetB()));
        }
    }
    return Pixels(width, height, std::move(colours));
}

} // namespace halvane::test
