// GDI+ for the Win tests: one session for the whole test program, and images read into pixels.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <optional>

#include "framework/GdiplusSession.h"
#include "win/support/Pixels.h"

namespace halvane::test {

// Register once per program (::testing::AddGlobalTestEnvironment); gtest owns it. Every GDI+
// object of a test must be gone when the program's tests end.
class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    std::optional<fw::GdiplusSession> m_session;
};

// The `source` part of `image` drawn stretched onto a white width x height surface.
Pixels Rendered(Gdiplus::Image& image, const RECT& source, int width, int height);

} // namespace halvane::test
