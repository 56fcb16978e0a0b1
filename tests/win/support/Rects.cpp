#include "win/support/Rects.h"

#include <sstream>

namespace halvane::test {

RECT WindowRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return r;
}

RECT ChildRectOf(HWND child) {
    RECT r = WindowRectOf(child);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Describe(const RECT& r) {
    std::ostringstream out;
    out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
    return out.str();
}

::testing::AssertionResult RectsEqual(const char* actualText, const char* expectedText,
                                      const RECT& actual, const RECT& expected) {
    const struct {
        const char* name;
        LONG got, want;
    } edges[] = {{"left", actual.left, expected.left},
                 {"top", actual.top, expected.top},
                 {"right", actual.right, expected.right},
                 {"bottom", actual.bottom, expected.bottom}};
    std::string differing;
    for (const auto& e : edges) {
        if (e.got != e.want)
            differing += std::string(differing.empty() ? "" : ", ") + e.name;
    }
    if (differing.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actualText << " is " << Describe(actual) << "\n  expected " << Describe(expected)
           << " (" << expectedText << ")\n  differs at " << differing;
}

} // namespace halvane::test
