// Shared helpers of the framework's Wine tests: a fixture with the application's main window, and
// a dialog that runs scripted steps inside its own modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Wnd.h"
#include "win/support/MainWindowTest.h"
#include "win/support/Pump.h"

namespace halvane::test {

// The application's main window at (300, 200)-(700, 500), visible.
class AppTest : public MainWindowTest {
protected:
    AppTest() : MainWindowTest(RECT{300, 200, 700, 500}) {}
};

// Runs its steps one after the other inside the modal loop (each step is a posted message, so
// messages a step posts are handled before the next step). Ends with -99 after 60 s so a broken
// loop fails the test instead of hanging it (a loaded machine is slow, never that slow).
class ScriptedDialog : public CDialog {
public:
    using Step = std::function<void(ScriptedDialog&)>;
    explicit ScriptedDialog(UINT templateId, CWnd* parent = nullptr) noexcept
        : CDialog(templateId, parent) {}

    void AddStep(Step step) { m_steps.push_back(std::move(step)); }
    // Keys seen by PreTranslateMessage, as "down:<vk>" entries.
    std::vector<std::string> m_log;
    bool m_swallowEnterEsc = false;
    int m_cancelCalls = 0;

    BOOL PreTranslateMessage(MSG* msg) noexcept override;
    // Posts the next step; called once the dialog exists.
    void Start() noexcept;

    DECLARE_MESSAGE_TABLE()

protected:
    BOOL OnInitDialog() noexcept override;
    void OnCancel() noexcept override;

private:
    LRESULT OnStep(WPARAM, LPARAM);
    void OnTimer(UINT_PTR id) noexcept;

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
};

constexpr UINT kStepMessage = WM_APP + 1;
constexpr UINT_PTR kWatchdogTimer = 99;

} // namespace halvane::test
