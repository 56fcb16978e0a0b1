// Pixels read back from the screen or from a drawing, and the comparisons the Win tests make on
// them: colours within a tolerance, exact equality, the box of the ink against a background.
#pragma once

#include <windows.h>

#include <cstddef>
#include <ostream>
#include <vector>

namespace halvane::test {

// Top-down rows of COLORREF values (alpha dropped).
class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height, std::vector<COLORREF> colours);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_colours.empty(); }
    // CLR_INVALID outside the area, so a probe past an edge fails a comparison instead of
    // reading out of bounds.
    COLORREF At(int x, int y) const;
    // Pixels of exactly `colour`.
    int Count(COLORREF colour) const;

    bool operator==(const Pixels& other) const {
        return m_width == other.m_width && m_height == other.m_height &&
               m_colours == other.m_colours;
    }
    bool operator!=(const Pixels& other) const { return !(*this == other); }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_colours;
};

// Every channel within `tolerance`.
bool Near(COLORREF a, COLORREF b, int tolerance = 6);

// Bounding box (inclusive) of every pixel that differs from the background.
struct Ink {
    bool any = false;
    int left = 0, top = 0, right = 0, bottom = 0;
};
Ink InkOf(const Pixels& pixels, COLORREF background);

// gtest output: the size and the ink box against white, instead of every byte.
void PrintTo(const Pixels& pixels, std::ostream* out);

} // namespace halvane::test
