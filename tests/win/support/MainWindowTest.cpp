#include "win/support/MainWindowTest.h"

namespace halvane::test {

bool CreatePopup(CWnd& window, const RECT& rect, bool visible, CWnd* owner) {
    const DWORD style = WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0);
    return window.CreateEx(0, nullptr, L"test", style, rect, owner, 0) != FALSE;
}

void MainWindowTest::SetUp() {
    ASSERT_TRUE(CreatePopup(m_main, m_mainRect, true));
    m_app.m_pMainWnd = &m_main;
}

void MainWindowTest::TearDown() {
    m_main.DestroyWindow();
}

} // namespace halvane::test
