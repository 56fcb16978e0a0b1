// Window geometry for the Win tests and EXPECT_RECT, which names the edges that differ and shows
// both rectangles on failure.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace halvane::test {

RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
// A child's window rectangle in its parent's client coordinates.
RECT ChildRectOf(HWND child);

// "(left, top)-(right, bottom)"
std::string Describe(const RECT& r);

inline RECT MakeRect(const RECT& r) {
    return r;
}
inline RECT MakeRect(LONG left, LONG top, LONG right, LONG bottom) {
    return RECT{left, top, right, bottom};
}

// Predicate-format comparison (usable with EXPECT_PRED_FORMAT2 too).
::testing::AssertionResult RectsEqual(const char* actualText, const char* expectedText,
                                      const RECT& actual, const RECT& expected);

} // namespace halvane::test

// EXPECT_RECT(actual, expected) or EXPECT_RECT(actual, left, top, right, bottom); more text may
// be streamed after it, as after any EXPECT_.
#define EXPECT_RECT(actual, ...)                                                                   \
    switch (0)                                                                                     \
    case 0:                                                                                        \
    default:                                                                                       \
        if (const ::testing::AssertionResult halvane_rects_ = ::halvane::test::RectsEqual(         \
                #actual, #__VA_ARGS__, (actual), ::halvane::test::MakeRect(__VA_ARGS__)))          \
            ;                                                                                      \
        else                                                                                       \
            ADD_FAILURE() << halvane_rects_.message()
