#include "win/support/Pixels.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace halvane::test {

Pixels::Pixels(int width, int height, std::vector<COLORREF> colours)
    : m_width(width), m_height(height), m_colours(std::move(colours)) {
    if (width <= 0 || height <= 0 ||
        m_colours.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        *this = Pixels();
}

COLORREF Pixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                     static_cast<std::size_t>(x)];
}

int Pixels::Count(COLORREF colour) const {
    return static_cast<int>(std::count(m_colours.begin(), m_colours.end(), colour));
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

Ink InkOf(const Pixels& pixels, COLORREF background) {
    Ink ink;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            if (pixels.At(x, y) == background)
                continue;
            if (!ink.any) {
                ink = Ink{true, x, y, x, y};
                continue;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.bottom = y;
        }
    }
    return ink;
}

void PrintTo(const Pixels& pixels, std::ostream* out) {
    const Ink ink = InkOf(pixels, RGB(255, 255, 255));
    *out << pixels.Width() << "x" << pixels.Height() << " ink ";
    if (ink.any)
        *out << "(" << ink.left << "," << ink.top << ")-(" << ink.right << "," << ink.bottom << ")";
    else
        *out << "none";
}

} // namespace halvane::test
