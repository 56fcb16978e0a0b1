// Teardown: no message reaches an object that is gone or going, whichever way the window or the
// object ends first.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/Button.h"
#include "framework/Wnd.h"

namespace halvane::test {
namespace {

constexpr UINT kDestroyNow = WM_APP + 20;
constexpr UINT kDeleteNow = WM_APP + 21;

// Records into a log that outlives it, so calls after its death are visible.
class LoggingWindow : public CWnd {
public:
    explicit LoggingWindow(std::vector<std::string>& log) : m_log(log) {}
    ~LoggingWindow() override { m_log.push_back("dtor"); }
    bool m_deleteInPostNcDestroy = false;
    DECLARE_MESSAGE_TABLE()
protected:
    void OnDestroy() noexcept {
        m_log.push_back("OnDestroy");
        CWnd::OnDestroy();
    }
    LRESULT OnDestroyNow(WPARAM, LPARAM) {
        DestroyWindow();
        m_log.push_back(GetSafeHwnd() == nullptr ? "unbound-in-handler" : "still-bound");
        return Default(); // window gone: must not forward anywhere
    }
    LRESULT OnDeleteNow(WPARAM, LPARAM) {
        delete this;
        return 5;
    }
    void PostNcDestroy() noexcept override {
        m_log.push_back("PostNcDestroy");
        if (m_deleteInPostNcDestroy)
            delete this;
    }

private:
    std::vector<std::string>& m_log;
};

const fw::MessageTable& LoggingWindow::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_DESTROY, &LoggingWindow::OnDestroy>(),
        fw::OnMessage<kDestroyNow, &LoggingWindow::OnDestroyNow>(),
        fw::OnMessage<kDeleteNow, &LoggingWindow::OnDeleteNow>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

using Log = std::vector<std::string>;

// The handler goes on using its members after the window died; PostNcDestroy (which may delete
// the object) waits until that handler has returned.
TEST(TeardownTest, DestroyFromInsideAHandlerDefersPostNcDestroyUntilTheHandlerReturns) {
    for (const bool selfDeleting : {false, true}) {
        Log log;
        auto owned = std::make_unique<LoggingWindow>(log);
        LoggingWindow* window = owned.get();
        window->m_deleteInPostNcDestroy = selfDeleting;
        if (selfDeleting)
            owned.release();
        ASSERT_TRUE(CreatePopup(*window, RECT{0, 0, 50, 50}, true));
        HWND hwnd = window->GetSafeHwnd();
        EXPECT_EQ(::SendMessageW(hwnd, kDestroyNow, 0, 0), 0);
        EXPECT_FALSE(::IsWindow(hwnd));
        EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
        if (selfDeleting) {
            EXPECT_EQ(log, (Log{"OnDestroy", "unbound-in-handler", "PostNcDestroy", "dtor"}));
        } else {
            EXPECT_EQ(window->GetSafeHwnd(), nullptr);
            EXPECT_EQ(log, (Log{"OnDestroy", "unbound-in-handler", "PostNcDestroy"}));
        }
    }
}

TEST(TeardownTest, DeletingTheObjectInsideItsHandlerDestroysTheWindowQuietly) {
    Log log;
    auto* window = new LoggingWindow(log);
    ASSERT_TRUE(CreatePopup(*window, RECT{0, 0, 50, 50}, true));
    HWND hwnd = window->GetSafeHwnd();
    EXPECT_EQ(::SendMessageW(hwnd, kDeleteNow, 0, 0), 5);
    EXPECT_FALSE(::IsWindow(hwnd));
    // Unbound before DestroyWindow: the dying object saw neither WM_DESTROY nor the final message.
    EXPECT_EQ(log, Log{"dtor"});
}

TEST(TeardownTest, DeletingALiveWindowObjectSendsNothingToIt) {
    Log log;
    auto window = std::make_unique<LoggingWindow>(log);
    ASSERT_TRUE(CreatePopup(*window, RECT{0, 0, 50, 50}, true));
    HWND hwnd = window->GetSafeHwnd();
    window.reset();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(log, Log{"dtor"});
}

TEST(TeardownTest, PostNcDestroyMayDeleteTheObject) {
    Log log;
    auto* window = new LoggingWindow(log);
    window->m_deleteInPostNcDestroy = true;
    ASSERT_TRUE(CreatePopup(*window, RECT{0, 0, 50, 50}, true));
    HWND hwnd = window->GetSafeHwnd();
    ::DestroyWindow(hwnd);
    EXPECT_EQ(log, (Log{"OnDestroy", "PostNcDestroy", "dtor"}));
}

// A parent whose member control dies in the parent's destructor: the child window's destruction
// sends WM_PARENTNOTIFY to the parent, whose own members are already gone by then.
class ParentWithMember : public CWnd {
public:
    explicit ParentWithMember(Log& log) : m_log(log) {}
    ~ParentWithMember() override { m_log.push_back("parent-dtor"); }
    CButton m_child;
    bool m_logMessages = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) noexcept override {
        if (m_logMessages && message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_DESTROY)
            m_log.push_back("parentnotify");
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    Log& m_log;
};

TEST(TeardownTest, MemberControlDyingInItsParentsDestructorKeepsTheParentQuiet) {
    Log log;
    auto parent = std::make_unique<ParentWithMember>(log);
    ASSERT_TRUE(CreatePopup(*parent, RECT{0, 0, 100, 100}, true));
    // No WS_EX_NOPARENTNOTIFY: the button's destruction notifies its parent synchronously.
    ASSERT_TRUE(
        parent->m_child.Create(L"x", WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20}, parent.get(), 5));
    HWND child = parent->m_child.GetSafeHwnd();
    HWND hwnd = parent->GetSafeHwnd();
    parent->m_logMessages = true;

    // While the parent is alive the notification does arrive (the check below can fail).
    CButton other;
    ASSERT_TRUE(other.Create(L"y", WS_CHILD, RECT{0, 0, 5, 5}, parent.get(), 6));
    other.DestroyWindow();
    ASSERT_EQ(log, Log{"parentnotify"});
    log.clear();

    parent.reset();
    EXPECT_FALSE(::IsWindow(child));
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(log, Log{"parent-dtor"});
}

TEST(TeardownTest, UnsubclassedWindowLivesOnWithoutItsObject) {
    Log log;
    LoggingWindow window(log);
    ASSERT_TRUE(CreatePopup(window, RECT{0, 0, 50, 50}, false));
    HWND hwnd = window.UnsubclassWindow();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(window.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(log.empty());
}

TEST(TeardownTest, AWindowBindsToOneObjectOnly) {
    Log log;
    LoggingWindow first(log);
    ASSERT_TRUE(CreatePopup(first, RECT{0, 0, 50, 50}, false));
    LoggingWindow second(log);
    EXPECT_FALSE(second.SubclassWindow(first.GetSafeHwnd()));
    EXPECT_EQ(CWnd::FromHandle(first.GetSafeHwnd()), &first);
    EXPECT_FALSE(first.SubclassWindow(first.GetSafeHwnd()));
}

} // namespace
} // namespace halvane::test
