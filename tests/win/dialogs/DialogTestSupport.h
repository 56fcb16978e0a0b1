// Shared helpers of the dialogs' Wine tests: an application object with a visible main window
// (the default owner of the dialogs), steps run inside a modal loop, and window geometry and
// pixels read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "win/support/Pump.h"

namespace halvane::test {

// GDI+ for the whole test program.
class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    ULONG_PTR m_token = 0;
};

// A CWinApp whose main window is a visible pop-up at kMainRect: modal dialogs without a parent
// are owned by it and centred over it.
class DialogTest : public ::testing::Test {
protected:
    static constexpr RECT kMainRect{200, 150, 1000, 750};
    void SetUp() override;
    void TearDown() override;

    CWinApp m_app;
    CWnd m_main;
};

// Steps run one after the other from a thread timer while a modal loop pumps messages. A wait
// that runs out records a failure and calls the abort function (which should end the dialog).
class ModalScript {
public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void Do(std::function<void()> action);
    void WaitFor(std::function<bool()> condition, DWORD timeoutMs, std::string what);
    // Waits for the time given, pumping messages meanwhile.
    void Pause(DWORD ms);
    // Starts ticking; steps begin with the next message loop.
    void Start(std::function<void()> abort);
    bool Finished() const noexcept { return m_next >= m_steps.size(); }

private:
    struct Step {
        std::function<bool()> poll; // true: done
        DWORD timeoutMs;
        std::string what;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) noexcept;
    void Run() noexcept;

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    ULONGLONG m_stepStart = 0;
    UINT_PTR m_timer = 0;
    bool m_running = false;
    std::function<void()> m_abort;
};

RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
// A child's window rectangle in its parent's client coordinates.
RECT ChildRectOf(HWND child);
bool SameRect(const RECT& a, const RECT& b);
std::string Describe(const RECT& r);
#define EXPECT_RECT(actual, l, t, r, b)                                                            \
    EXPECT_PRED2(::halvane::test::SameRect, actual, (RECT{l, t, r, b}))

// The pixels of a window's client area as the screen shows them (0x00RRGGBB, top-down rows).
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> data;
    std::uint32_t At(int x, int y) const { return data[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Pixels& other) const {
        return width == other.width && height == other.height && data == other.data;
    }
};
Pixels CaptureClient(HWND window);
// Width from the first to the last column holding a pixel close to `ink` (per channel within
// 60); 0 without such a pixel.
int InkSpan(const Pixels& pixels, std::uint32_t ink);
int InkPixels(const Pixels& pixels, std::uint32_t ink);

} // namespace halvane::test
