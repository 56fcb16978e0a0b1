// The real low-level mouse hook under Wine: button presses are injected with SendInput over a
// window that lives on a thread of its own; the hook runs on this thread (which installed it)
// and posts to a target window of this thread.
#include "panel/MouseHook.h"
#include "win/support/Pump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>
#include <vector>

namespace halvane {
namespace {

constexpr wchar_t kClassName[] = L"HalvaneMouseHookTest";
constexpr int kPressedLeft = 300;
constexpr int kPressedTop = 300;
constexpr int kPressedSize = 200;

struct HookMessage {
    WPARAM wParam;
};

// Messages the target got; touched by this thread only.
std::vector<HookMessage> g_received;

// Button messages the pressed window got; touched by its own thread only.
struct PressedCounts {
    int left = 0;
    int right = 0;
    int middle = 0;
    int releases = 0;
};

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_HOOK_LBUTTONDOWN) {
        g_received.push_back({wParam});
        return 0;
    }
    auto* counts = reinterpret_cast<PressedCounts*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (counts != nullptr) {
        switch (message) {
        case WM_LBUTTONDOWN:
            ++counts->left;
            break;
        case WM_RBUTTONDOWN:
            ++counts->right;
            break;
        case WM_MBUTTONDOWN:
            ++counts->middle;
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            ++counts->releases;
            break;
        default:
            break;
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterTestClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &TestWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc); // a second registration fails harmlessly
}

INPUT Button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Left press and release, right, middle, and a second left press and release: the last release
// is the sentinel that tells the pressed window's thread that every event went through.
const std::vector<INPUT>& FullSequence() {
    static const std::vector<INPUT> sequence = {
        Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP),     Button(MOUSEEVENTF_RIGHTDOWN),
        Button(MOUSEEVENTF_RIGHTUP),  Button(MOUSEEVENTF_MIDDLEDOWN), Button(MOUSEEVENTF_MIDDLEUP),
        Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP),
    };
    return sequence;
}

// A window on a thread of its own under the cursor; the inputs are sent from that thread, which
// then pumps its messages until it has seen every release.
class PressedWindowThread {
public:
    explicit PressedWindowThread(std::vector<INPUT> inputs)
        : m_inputs(std::move(inputs)), m_done(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        m_thread = std::thread([this] { Run(); });
    }
    ~PressedWindowThread() {
        if (m_thread.joinable())
            m_thread.join();
        ::CloseHandle(m_done);
    }
    PressedWindowThread(const PressedWindowThread&) = delete;
    PressedWindowThread& operator=(const PressedWindowThread&) = delete;

    HANDLE Done() const { return m_done; }
    const PressedCounts& Counts() const { return m_counts; }
    bool Sent() const { return m_sent; }

private:
    void Run() {
        RegisterTestClass();
        HWND window = ::CreateWindowExW(
            WS_EX_TOPMOST, kClassName, L"pressed", WS_POPUP | WS_VISIBLE, kPressedLeft, kPressedTop,
            kPressedSize, kPressedSize, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (window == nullptr) {
            ::SetEvent(m_done);
            return;
        }
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_counts));
        ::SetCursorPos(kPressedLeft + kPressedSize / 2, kPressedTop + kPressedSize / 2);
        const int releasesExpected = static_cast<int>(m_inputs.size() / 2);
        m_sent = ::SendInput(static_cast<UINT>(m_inputs.size()), m_inputs.data(), sizeof(INPUT)) ==
                 m_inputs.size();
        const DWORD deadline = ::GetTickCount() + halvane::test::kPatienceMs;
        MSG msg;
        while (
            m_sent &&
            m_counts.releases<releasesExpected&& static_cast<int>(deadline - ::GetTickCount())> 0) {
            if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) {
                while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                    ::DispatchMessageW(&msg);
            }
        }
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ::DestroyWindow(window);
        ::SetEvent(m_done);
    }

    std::vector<INPUT> m_inputs;
    HANDLE m_done;
    PressedCounts m_counts;
    bool m_sent = false;
    std::thread m_thread;
};

class MouseHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClass();
        m_target = ::CreateWindowExW(0, kClassName, L"target", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_target, nullptr);
        g_received.clear();
    }
    void TearDown() override { ::DestroyWindow(m_target); }

    // Runs the inputs over the pressed window while this thread pumps its own messages, so that
    // the hook (called on this thread) and the target's messages are handled.
    PressedCounts Press(const std::vector<INPUT>& inputs) {
        PressedWindowThread pressed(inputs);
        // Longer than the pressed window's own deadline, so that one gives up first.
        const DWORD deadline = ::GetTickCount() + 2 * halvane::test::kPatienceMs;
        const HANDLE done = pressed.Done();
        for (;;) {
            const DWORD r = ::MsgWaitForMultipleObjects(1, &done, FALSE, 100, QS_ALLINPUT);
            if (r == WAIT_OBJECT_0)
                break;
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageW(&msg);
            if (static_cast<int>(deadline - ::GetTickCount()) <= 0)
                break;
        }
        // Whatever the hook posted before the last release is in the queue by now.
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        EXPECT_TRUE(pressed.Sent()) << "SendInput refused the events";
        return pressed.Counts();
    }

    HWND m_target = nullptr;
};

TEST_F(MouseHookTest, OnlyLeftPressesReachTheTargetAs2024) {
    CMouseHook hook;
    ASSERT_TRUE(hook.SetTarget(m_target));
    EXPECT_FALSE(hook.SetTarget(nullptr)); // keeps the target it has
    ASSERT_TRUE(hook.Install());

    const PressedCounts counts = Press(FullSequence());

    // The events really happened over the other thread's window...
    EXPECT_EQ(counts.left, 2);
    EXPECT_EQ(counts.right, 1);
    EXPECT_EQ(counts.middle, 1);
    EXPECT_EQ(counts.releases, 4);
    // ...and only the two left presses were posted, each with WM_LBUTTONDOWN as wParam.
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[0].wParam, static_cast<WPARAM>(WM_LBUTTONDOWN));
    EXPECT_EQ(g_received[1].wParam, static_cast<WPARAM>(WM_LBUTTONDOWN));
    hook.Uninstall();
}

TEST_F(MouseHookTest, NothingArrivesAfterUninstall) {
    CMouseHook hook;
    ASSERT_TRUE(hook.SetTarget(m_target));
    ASSERT_TRUE(hook.Install());
    hook.Uninstall();

    const PressedCounts counts = Press(FullSequence());
    EXPECT_EQ(counts.left, 2);
    EXPECT_TRUE(g_received.empty());
}

TEST_F(MouseHookTest, DestroyingTheObjectRemovesTheHook) {
    {
        CMouseHook hook;
        ASSERT_TRUE(hook.SetTarget(m_target));
        ASSERT_TRUE(hook.Install());
    }
    const PressedCounts counts = Press(FullSequence());
    EXPECT_EQ(counts.left, 2);
    EXPECT_TRUE(g_received.empty());
}

// One hook per process: installing again replaces the first hook, so a press is posted once.
TEST_F(MouseHookTest, InstallingTwiceStillPostsOncePerPress) {
    CMouseHook hook;
    ASSERT_TRUE(hook.SetTarget(m_target));
    ASSERT_TRUE(hook.Install());
    ASSERT_TRUE(hook.Install());

    Press(FullSequence());
    EXPECT_EQ(g_received.size(), 2u);
    hook.Uninstall();
}

} // namespace
} // namespace halvane
