// Shared helpers of the dialogs' Wine tests: an application object with a visible main window
// (the default owner of the dialogs), and the amount of a text's ink read back from the screen.
// The toolkit brings GDI+, modal scripts, geometry and captures.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "win/support/Capture.h"
#include "win/support/Gdiplus.h"
#include "win/support/MainWindowTest.h"
#include "win/support/ModalScript.h"
#include "win/support/Pixels.h"
#include "win/support/Pump.h"
#include "win/support/Rects.h"

namespace halvane::test {

// The main window at kMainRect: modal dialogs without a parent are owned by it and centred
// over it.
class DialogTest : public MainWindowTest {
protected:
    static constexpr RECT kMainRect{200, 150, 1000, 750};
    DialogTest() : MainWindowTest(kMainRect) {}
};

// Ink colours are given as 0x00RRGGBB. Width from the first to the last column holding a pixel
// close to `ink` (per channel within 60); 0 without such a pixel.
int InkSpan(const Pixels& pixels, std::uint32_t ink);
int InkPixels(const Pixels& pixels, std::uint32_t ink);

} // namespace halvane::test
