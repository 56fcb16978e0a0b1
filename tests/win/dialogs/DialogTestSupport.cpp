#include "DialogTestSupport.h"

namespace halvane::test {

namespace {

bool NearInk(COLORREF c, std::uint32_t ink) {
    return Near(c, RGB((ink >> 16) & 0xFF, (ink >> 8) & 0xFF, ink & 0xFF), 60);
}

} // namespace

int InkSpan(const Pixels& pixels, std::uint32_t ink) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < pixels.Width(); ++x) {
        for (int y = 0; y < pixels.Height(); ++y) {
            if (NearInk(pixels.At(x, y), ink)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

int InkPixels(const Pixels& pixels, std::uint32_t ink) {
    int count = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x)
            count += NearInk(pixels.At(x, y), ink) ? 1 : 0;
    }
    return count;
}

} // namespace halvane::test
