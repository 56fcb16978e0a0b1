// Top-level framework windows for the Win tests, and a fixture whose application has a visible
// main window: modal dialogs without a parent are owned by it and centred over it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace halvane::test {

// A pop-up with a caption, of the framework's default class.
bool CreatePopup(CWnd& window, const RECT& rect, bool visible, CWnd* owner = nullptr);

class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(const RECT& mainRect) : m_mainRect(mainRect) {}
    void SetUp() override;
    void TearDown() override;

    CWinApp m_app;
    CWnd m_main;

private:
    RECT m_mainRect;
};

} // namespace halvane::test
