// The panel's mode change with the real switcher, please-wait dialog and powercfg simulator;
// the outcome prompts are recorded and answered at once.
#include "panel/ModeChange.h"

#include "DialogTestSupport.h"
#include "RecordingPrompts.h"
#include "SimFixture.h"
#include "engine/PowerMessages.h"
#include "engine/PowerSchemeSwitcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace halvane::test {
namespace {

// A pop-up owned by the main window that hands the worker's two messages on, as the panel does.
class TestPanel : public CWnd {
public:
    CModeChange* change = nullptr;

    DECLARE_MESSAGE_TABLE()

private:
    LRESULT OnExecuteFinished(WPARAM, LPARAM) noexcept {
        if (change != nullptr)
            change->OnExecuteFinished();
        return 1;
    }
    LRESULT OnSetPowerResult(WPARAM wParam, LPARAM) noexcept {
        if (change != nullptr)
            change->OnSetPowerResult(wParam);
        return 1;
    }
};

const fw::MessageTable& TestPanel::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_EXECUTE_FINISHED, &TestPanel::OnExecuteFinished>(),
        fw::OnMessage<WM_SET_POWER_RESULT, &TestPanel::OnSetPowerResult>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

class ModeChangeTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        DeleteLogFiles();
        ASSERT_TRUE(m_panel.CreateEx(0, nullptr, L"panel", WS_POPUP | WS_VISIBLE,
                                     RECT{300, 200, 700, 500}, &m_main, 0));
        ASSERT_EQ(m_panel.GetParentHandle(), m_main.GetSafeHwnd());
        m_prompts.emplace(m_main.GetSafeHwnd(), m_panel.GetSafeHwnd());
        m_change.emplace(m_panel, m_scale, m_switcher, *m_prompts);
        m_panel.change = &*m_change;
        ASSERT_TRUE(m_switcher.SetMsgWnd(m_panel.GetSafeHwnd()));
    }
    void TearDown() override {
        m_panel.change = nullptr;
        m_change->ReleaseWaitDialog();
        m_panel.DestroyWindow();
        DeleteLogFiles();
        DialogTest::TearDown();
    }

    void ExpectInputTaken() const {
        EXPECT_TRUE(m_main.IsWindowEnabled());
        EXPECT_TRUE(m_panel.IsWindowEnabled());
        EXPECT_FALSE(m_change->IsBusy());
    }
    // One prompt with this text, shown without owner at the panel's scale while both windows
    // took no input.
    void ExpectOnlyPrompt(const std::wstring& text) const {
        ASSERT_EQ(m_prompts->shown.size(), 1u);
        const ShownPrompt& shown = m_prompts->shown[0];
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.owner, nullptr);
        EXPECT_EQ(shown.scale, m_scale);
        EXPECT_FALSE(shown.mainEnabled);
        EXPECT_FALSE(shown.panelEnabled);
    }

    float m_scale = 1.25f;
    TestPanel m_panel;
    CPowerSchemeSwitcher m_switcher;
    std::optional<RecordingPrompts> m_prompts;
    std::optional<CModeChange> m_change;
};

TEST_F(ModeChangeTest, IndexOutsideTheModesOnlyPrompts) {
    for (const int mode : {-1, 4}) {
        SCOPED_TRACE(mode);
        const SimState sim(kPlans);
        m_prompts->shown.clear();
        m_change->Start(mode);
        ExpectOnlyPrompt(L"请选择您要设置的电源模式");
        ExpectInputTaken();
        EXPECT_EQ(sim.Value("calls"), "") << "powercfg ran";
    }
}

TEST_F(ModeChangeTest, StrayWorkerMessagesShowOnlyKnownOutcomes) {
    m_change->OnExecuteFinished(); // no please-wait dialog yet: nothing
    m_change->OnSetPowerResult(7);
    EXPECT_TRUE(m_prompts->shown.empty());
    ExpectInputTaken();
    m_change->OnSetPowerResult(kPowerResultFailure);
    ExpectOnlyPrompt(L"电源模式修改失败");
    ExpectInputTaken();
}

TEST_F(ModeChangeTest, ChangeRunsBehindThePleaseWaitDialogAndPromptsTheOutcome) {
    auto sim = std::make_unique<SimState>(kPlans);
    std::string callsAtPrompt;
    m_prompts->whileShown = [&] {
        callsAtPrompt = sim->Value("calls");
        // "设置" again while the worker waits: nothing happens. Tried once per outcome, so that
        // a change that did start cannot chain further changes.
        if (m_prompts->shown.size() == 1)
            m_change->Start(1);
    };
    for (const auto& [mode, plan] : {std::pair{2, kHigh}, std::pair{1, kBalanced}}) {
        SCOPED_TRACE(mode);
        m_prompts->shown.clear();
        m_change->Start(mode); // returns when the please-wait dialog has ended
        ASSERT_TRUE(PumpUntil([&] { return !m_change->IsBusy(); })) << "the change never ended";
        ExpectOnlyPrompt(L"电源模式修改成功");
        ExpectInputTaken();
        EXPECT_EQ(sim->Value("active"), plan);
        EXPECT_EQ(sim->Value("calls"), callsAtPrompt) << "a second change started";
    }
    EXPECT_EQ(ReadFileBytes(LogFilePath()), "") << "a good change logs nothing";
}

} // namespace
} // namespace halvane::test
