// A mode change whose powercfg never answers, as the user meets it: the real switcher, please-wait
// dialog and outcome prompt, wired as the panel wires them, with the runner's limit shortened.
#include "engine/CommandRunner.h"
#include "engine/PowerSchemeSwitcher.h"
#include "framework/ToolMessages.h"

#include "DialogTestSupport.h"
#include "SimFixture.h"
#include "dialogs/ExecutePromptChildDlg.h"
#include "dialogs/ExecutePromptDlg.h"
#include "dialogs/PromptDlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace halvane::test {
namespace {

// The panel's side of a change: the end goes on to the please-wait dialog, the outcome is shown
// in a confirm-only prompt, which the test answers.
class ChangeHost {
public:
    ChangeHost() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ChangeHost::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HalvaneTestChangeHost";
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ChangeHost() { ::DestroyWindow(m_hwnd); }

    HWND Handle() const { return m_hwnd; }
    CExecutePromptDlg* wait = nullptr;
    WPARAM result = 0;
    std::wstring promptText; // as the prompt showed it

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) noexcept {
        auto* self = reinterpret_cast<ChangeHost*>(::GetWindowLongPtrW(h, GWLP_USERDATA));
        if (self == nullptr || (msg != WM_EXECUTE_FINISHED && msg != WM_SET_POWER_RESULT))
            return ::DefWindowProcW(h, msg, wp, lp);
        if (msg == WM_EXECUTE_FINISHED) {
            if (self->wait != nullptr && self->wait->GetSafeHwnd() != nullptr)
                ::SendMessageW(self->wait->GetSafeHwnd(), WM_EXECUTE_FINISHED, 0, 0);
            return 0;
        }
        self->ShowOutcome(wp);
        return 0;
    }

    void ShowOutcome(WPARAM wp) noexcept {
        CPromptDlg prompt;
        prompt.SetMessageText(wp == kPowerResultSuccess ? L"电源模式修改成功"
                                                        : L"电源模式修改失败");
        prompt.SetType(3);
        ModalScript script;
        script.WaitFor(
            [&] { return ::IsWindowVisible(prompt.GetSafeHwnd()) && prompt.GetChildDlg(); },
            kPatienceMs, "the outcome prompt to show");
        script.Do([&] {
            const HWND inner = prompt.GetChildDlg()->GetSafeHwnd();
            wchar_t text[64]{};
            ::GetDlgItemTextW(inner, IDC_PROMPT_TEXT, text, 64);
            promptText = text;
            ::SendMessageW(::GetDlgItem(inner, IDC_PROMPT_OK), BM_CLICK, 0, 0);
        });
        script.Start([&prompt] { prompt.EndDialog(-99); });
        prompt.DoModal();
        result = wp; // after the prompt, as the worker's SendMessageW returns only now
    }

    HWND m_hwnd = nullptr;
};

class HungChangeJourney : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        DeleteLogFiles();
        Starts().Clear();
    }
    void TearDown() override {
        testing_hooks::ResetCommandRunnerHooks();
        Starts().Clear();
        DeleteLogFiles();
        DialogTest::TearDown();
    }

    // One change behind the please-wait dialog; `during` runs while the dialog shows.
    void Change(CPowerSchemeSwitcher& switcher, ChangeHost& host, int mode,
                const std::function<void(ModalScript&, CExecutePromptDlg&)>& during) {
        host.result = 0;
        ASSERT_TRUE(switcher.StartSetPowerMode(mode));
        CExecutePromptDlg wait;
        wait.SetMessageText(L"正在修改，请稍等");
        host.wait = &wait;
        {
            ModalScript script;
            script.WaitFor(
                [&] { return ::IsWindowVisible(wait.GetSafeHwnd()) && wait.GetChildDlg(); },
                kPatienceMs, "the please-wait dialog to show");
            during(script, wait);
            script.Start([&wait] { wait.EndDialog(-99); });
            EXPECT_EQ(wait.DoModal(), IDOK);
        }
        host.wait = nullptr;
        EXPECT_TRUE(PumpUntil([&] { return host.result != 0; })) << "no outcome";
    }

    static std::string WaitForLog(const std::string& wanted) {
        std::string log;
        PumpUntil(
            [&] { return (log = ReadFileBytes(LogFilePath())).find(wanted) != std::string::npos; });
        return log;
    }
};

TEST_F(HungChangeJourney, HungPowercfgEndsAsAFailedStepAndTheNextChangeWorks) {
    CommandRunnerHooks hooks = testing_hooks::DefaultCommandRunnerHooks();
    hooks.createProcess = &RecordingCreateProcess;
    hooks.timeLimitMs = 8000; // room to watch the dialog while powercfg hangs
    testing_hooks::SetCommandRunnerHooks(hooks);
    ASSERT_EQ(RunningPowercfgs(), 0);

    ChangeHost host;
    CPowerSchemeSwitcher switcher;
    ASSERT_TRUE(switcher.SetMsgWnd(host.Handle()));

    // Ultimate performance: its first step lists the plans, and that powercfg hangs.
    auto sim = std::make_unique<SimState>(kPlans + "hang=1\n");
    std::optional<Pixels> firstLook;
    Change(switcher, host, 3, [&](ModalScript& script, CExecutePromptDlg& wait) {
        script.WaitFor([&] { return sim->Value("calls") == "1"; }, kPatienceMs,
                       "powercfg to start");
        // While the worker waits, the dialog's timer still moves the dots and they are painted.
        script.WaitFor(
            [&] {
                const HWND text = ::GetDlgItem(wait.GetChildDlg()->GetSafeHwnd(), IDC_STATE_TEXT);
                Pixels now = CaptureClient(text);
                if (!firstLook)
                    firstLook = now;
                return !(*firstLook == now);
            },
            kPatienceMs, "the dots to move");
        script.Do([&] { EXPECT_EQ(RunningPowercfgs(), 1) << "the hung powercfg is not seen"; });
        script.WaitFor([] { return false; }, kPatienceMs, "the change to end");
    });
    EXPECT_EQ(host.result, kPowerResultFailure);
    EXPECT_EQ(host.promptText, L"电源模式修改失败");
    // Exactly the first listing's own entry: 30-character stamp, text, CR CR LF.
    const std::string step = Gbk(L"执行获取当前系统电源模式命令失败5");
    const std::string log = WaitForLog(step);
    EXPECT_EQ(log.size(), 30 + step.size() + 3) << log;
    EXPECT_EQ(sim->Value("active"), kBalanced);
    EXPECT_EQ(sim->Values("plan").size(), 2u) << "nothing was duplicated";
    ASSERT_EQ(Starts().processes.size(), 1u);
    EXPECT_TRUE(HasEnded(Starts().processes[0])) << "cmd still runs";
    EXPECT_EQ(RunningPowercfgs(), 0) << "powercfg still runs";

    // powercfg answers again: the next change goes through and logs nothing.
    sim.reset();
    sim = std::make_unique<SimState>(kPlans);
    Change(switcher, host, 2, [](ModalScript&, CExecutePromptDlg&) {});
    EXPECT_EQ(host.result, kPowerResultSuccess);
    EXPECT_EQ(host.promptText, L"电源模式修改成功");
    EXPECT_EQ(sim->Value("active"), kHigh);
    EXPECT_EQ(ReadFileBytes(LogFilePath()), log);
    EXPECT_EQ(RunningPowercfgs(), 0);
}

} // namespace
} // namespace halvane::test
