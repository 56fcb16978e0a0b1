#include "engine/CommandRunner.h"
#include "engine/PowerSchemeSwitcher.h"
#include "framework/ToolMessages.h"

#include "SimFixture.h"
#include "framework/KernelHandles.h"
#include "win/support/Pump.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace halvane {
namespace {

using test::kBalanced;
using test::kHigh;
using test::kSaver;
using test::SimState;

// A copy of the ultimate plan that is already installed.
constexpr const char* kUltimate = "5d2c9e11-4b0a-4f6e-9a43-7c1d2e3f4a5b";

std::string BuiltInPlans(const std::string& profile) {
    const bool en = profile == "en";
    return "profile=" + profile + "\nactive=" + kBalanced + "\nplan=" + kBalanced +
           (en ? " Balanced" : " 平衡") + "\nplan=" + kHigh + (en ? " High performance" : " 高性能") +
           "\nplan=" + kSaver + (en ? " Power saver" : " 节能") + "\n";
}

std::string WithUltimate(const std::string& profile, const std::string& name) {
    return BuiltInPlans(profile) + "plan=" + kUltimate + " " + name + "\n";
}

// The built-in plans with one of them renamed, as any user may rename a plan.
std::string Renamed(const std::string& profile, const std::string& guid, const std::string& name) {
    std::string state = BuiltInPlans(profile);
    const auto at = state.find("plan=" + guid + " ") + 6 + guid.size();
    return state.replace(at, state.find('\n', at) - at, name);
}

// A batch file in the prefix's common application data folder (a path without blanks, so a
// plan's name can carry it through a blank-separated token) that leaves a file beside itself
// when it runs.
class PlantedProgram {
public:
    PlantedProgram() {
        wchar_t common[MAX_PATH];
        ::SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, FALSE);
        m_folder = std::wstring(common) + L"\\halvane-planted-" +
                   std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(m_folder.c_str(), nullptr);
        const std::string script = "@echo ran>\"" + Ascii(m_folder + L"\\ran.txt") + "\"\r\n";
        const fw::FileHandle file(::CreateFileW(Path().c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        EXPECT_TRUE(::WriteFile(file.Get(), script.data(), static_cast<DWORD>(script.size()),
                                &written, nullptr));
    }
    ~PlantedProgram() {
        ::DeleteFileW(Path().c_str());
        ::DeleteFileW((m_folder + L"\\ran.txt").c_str());
        ::RemoveDirectoryW(m_folder.c_str());
    }
    PlantedProgram(const PlantedProgram&) = delete;
    PlantedProgram& operator=(const PlantedProgram&) = delete;

    std::wstring Path() const { return m_folder + L"\\run.bat"; }
    // Whether it ran since the last question.
    bool Ran() const {
        const std::wstring marker = m_folder + L"\\ran.txt";
        const bool ran = ::GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
        ::DeleteFileW(marker.c_str());
        return ran;
    }
    // The common application data folder's path is ASCII: C:\\ProgramData.
    static std::string Ascii(const std::wstring& path) { return {path.begin(), path.end()}; }

private:
    std::wstring m_folder;
};

// Process starts the runner attempts; those listed in g_failStarts are refused.
int g_starts = 0;
std::set<int> g_failStarts;

BOOL WINAPI RefusingCreateProcess(LPCWSTR app, LPWSTR line, LPSECURITY_ATTRIBUTES pa,
                                  LPSECURITY_ATTRIBUTES ta, BOOL inherit, DWORD flags, LPVOID env,
                                  LPCWSTR dir, LPSTARTUPINFOW si, LPPROCESS_INFORMATION pi) {
    if (g_failStarts.count(++g_starts) != 0)
        return FALSE;
    return ::CreateProcessW(app, line, pa, ta, inherit, flags, env, dir, si, pi);
}

struct Outcome {
    std::vector<test::ReceivedMessage> messages;
    std::string log; // the log file's bytes once the worker is done
};

class SwitcherRun : public ::testing::Test {
protected:
    void SetUp() override {
        test::DeleteLogFiles();
        g_starts = 0;
        g_failStarts.clear();
        CommandRunnerHooks hooks = testing_hooks::DefaultCommandRunnerHooks();
        hooks.createProcess = &RefusingCreateProcess;
        testing_hooks::SetCommandRunnerHooks(hooks);
    }
    void TearDown() override {
        testing_hooks::ResetCommandRunnerHooks();
        test::DeleteLogFiles();
    }

    // Runs one change on a real worker against a real hidden window; on failure waits
    // (bounded) for the log line the worker writes after its last message.
    Outcome Change(int mode, const std::wstring& expectedLog = L"") {
        test::MessageRecorder recorder;
        CPowerSchemeSwitcher switcher;
        EXPECT_TRUE(switcher.SetMsgWnd(recorder.Handle()));
        EXPECT_TRUE(switcher.StartSetPowerMode(mode));
        EXPECT_TRUE(recorder.PumpUntilResult(120000)) << "no result message";
        Outcome outcome{recorder.Messages(), {}};
        const std::string wanted = test::Gbk(expectedLog);
        const ULONGLONG deadline = ::GetTickCount64() + halvane::test::kPatienceMs;
        for (;;) {
            outcome.log = test::ReadFileBytes(test::LogFilePath());
            if (expectedLog.empty() || outcome.log.find(wanted) != std::string::npos ||
                ::GetTickCount64() >= deadline)
                break;
            ::Sleep(50);
        }
        return outcome;
    }

    static void ExpectMessages(const Outcome& o, WPARAM result) {
        ASSERT_EQ(o.messages.size(), 2u);
        EXPECT_EQ(o.messages[0].message, WM_EXECUTE_FINISHED);
        EXPECT_EQ(o.messages[0].wParam, 0u);
        EXPECT_EQ(o.messages[1].message, WM_SET_POWER_RESULT);
        EXPECT_EQ(o.messages[1].wParam, result);
        // Nothing is logged before the receiver has handled both messages.
        EXPECT_FALSE(o.messages[0].logHadEntriesBefore);
        EXPECT_FALSE(o.messages[1].logHadEntriesBefore);
    }

    static void ExpectSuccess(const Outcome& o) {
        ExpectMessages(o, kPowerResultSuccess);
        EXPECT_TRUE(o.log.empty()) << "a success must not be logged";
    }

    // Exactly one entry: the 30-character stamp, the text in GBK, CR CR LF.
    static void ExpectFailure(const Outcome& o, const std::wstring& text) {
        ExpectMessages(o, kPowerResultFailure);
        const std::string gbk = test::Gbk(text);
        ASSERT_EQ(o.log.size(), 30 + gbk.size() + 3) << o.log;
        EXPECT_EQ(o.log.substr(30), gbk + "\r\r\n");
        EXPECT_EQ(o.log[0], '[');
    }
};

TEST_F(SwitcherRun, FixedModesActivateTheirPlanOnEitherProfile) {
    const struct {
        int mode;
        const char* profile;
        const char* guid;
    } cases[] = {{0, "zh", kSaver}, {1, "zh", kBalanced}, {2, "en", kHigh}, {0, "other", kSaver}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        SimState sim(BuiltInPlans(c.profile));
        ExpectSuccess(Change(c.mode));
        EXPECT_EQ(sim.Value("active"), c.guid);
        EXPECT_EQ(g_starts, 2);
        g_starts = 0;
    }
}

TEST_F(SwitcherRun, FixedModeFailuresLogTheirStep) {
    {
        SimState sim(BuiltInPlans("zh"));
        g_failStarts = {1};
        ExpectFailure(Change(0, L"执行设置节能模式命令失败"), L"执行设置节能模式命令失败");
        EXPECT_EQ(sim.Value("active"), kBalanced);
    }
    {
        SimState sim(BuiltInPlans("zh"));
        test::DeleteLogFiles();
        g_starts = 0;
        g_failStarts = {2};
        ExpectFailure(Change(1, L"执行获取当前系统电源模式命令失败3"),
                      L"执行获取当前系统电源模式命令失败3");
    }
}

// A rejected set leaves Balanced active; a "*" or ")" in the chosen plan's name never passes
// for the active mark.
TEST_F(SwitcherRun, RejectedOrIgnoredSetFailsVerification) {
    const struct {
        std::string state;
        int mode;
        const wchar_t* text;
    } cases[] = {
        // Modern standby systems only have Balanced: powercfg rejects the set.
        {BuiltInPlans("zh") + "modern_standby=1\n", 2, L"设置高性能模式失败"},
        {BuiltInPlans("en") + "ignore_set=1\n", 0, L"设置节能模式失败"},
        {Renamed("zh", kHigh, "高性能 *") + "ignore_set=1\n", 2, L"设置高性能模式失败"},
        {Renamed("en", kSaver, "Power saver) *") + "ignore_set=1\n", 0, L"设置节能模式失败"},
        {WithUltimate("zh", "卓越性能 (*)") + "ignore_set=1\n", 3, L"设置卓越性能失败1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SimState sim(c.state);
        test::DeleteLogFiles();
        ExpectFailure(Change(c.mode, c.text), c.text);
        EXPECT_EQ(sim.Value("active"), kBalanced);
    }
    // The same starred name, with a set that takes effect, is still seen active.
    SimState sim(Renamed("zh", kHigh, "高性能 *"));
    test::DeleteLogFiles();
    ExpectSuccess(Change(2));
    EXPECT_EQ(sim.Value("active"), kHigh);
}

// Any user can rename a copy of a plan. Where the labels lack "GUID:" (German), a name holding
// "GUID:" used to give the token after it, so "&<program>&" ran under the tool's rights.
TEST_F(SwitcherRun, PlanNamesNeverReachTheCommandLine) {
    const PlantedProgram planted;
    const std::string program = PlantedProgram::Ascii(planted.Path());
    const struct {
        const char* profile;
        std::string plan; // "<guid> <name>"
        bool found;       // else a parse failure
    } cases[] = {
        {"de", std::string(kUltimate) + " GUID:&" + program + "& Ultimate Performance", true},
        {"de", std::string(kUltimate) + " GUID:|" + program + " Ultimate Performance", true},
        {"de", std::string(kUltimate) + " GUID:" + kSaver + " Ultimate Performance", true},
        {"zh", std::string(kUltimate) + " GUID:&" + program + "& 卓越性能", true},
        {"zh", "&" + program + "& 卓越性能", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SimState sim(BuiltInPlans(c.profile) + "plan=" + c.plan + "\n");
        test::DeleteLogFiles();
        if (c.found) {
            ExpectSuccess(Change(3));
            EXPECT_EQ(sim.Value("active"), kUltimate) << "the named plan's own GUID is set";
        } else {
            ExpectFailure(Change(3, L"解析卓越性能电源方案GUID失败"), L"解析卓越性能电源方案GUID失败");
            EXPECT_EQ(sim.Value("active"), kBalanced);
        }
        EXPECT_EQ(sim.Values("plan").size(), 4u) << "a named plan is never duplicated";
        EXPECT_FALSE(planted.Ran()) << "the program in the name was started";
    }
}

TEST_F(SwitcherRun, ExistingUltimatePlanIsFoundByEitherNameAndNeverCopied) {
    for (const auto& [profile, name] : {std::pair{"zh", "卓越性能"},
                                        std::pair{"en", "Ultimate Performance"}}) {
        SCOPED_TRACE(profile);
        SimState sim(WithUltimate(profile, name));
        g_starts = 0;
        ExpectSuccess(Change(3));
        EXPECT_EQ(sim.Value("active"), kUltimate);
        EXPECT_EQ(sim.Values("plan").size(), 4u);
        EXPECT_EQ(g_starts, 3);
    }
}

TEST_F(SwitcherRun, MissingUltimatePlanIsCreatedOnceThenFoundByName) {
    SimState sim(BuiltInPlans("zh"));
    ExpectSuccess(Change(3));
    const auto plans = sim.Values("plan");
    ASSERT_EQ(plans.size(), 4u);
    EXPECT_EQ(plans[3].substr(plans[3].find(' ') + 1), "卓越性能");
    const std::string created = plans[3].substr(0, plans[3].find(' '));
    EXPECT_EQ(sim.Value("active"), created);
    EXPECT_EQ(g_starts, 4);

    sim.Value("active");
    ExpectSuccess(Change(3));
    EXPECT_EQ(sim.Values("plan").size(), 4u) << "the copy must be found by its name";
    EXPECT_EQ(sim.Value("active"), created);
}

// Other languages name the plan differently, so each request makes (and activates) a copy;
// "de" labels its lines without "GUID:" (as es and fr do, covered by the parser's tests).
TEST_F(SwitcherRun, OtherLanguagesMakeAndActivateANewCopyEveryTime) {
    for (const char* profile : {"other", "de"}) {
        SCOPED_TRACE(profile);
        SimState sim(BuiltInPlans(profile));
        for (std::size_t request = 1; request <= 2; ++request) {
            ExpectSuccess(Change(3));
            const auto plans = sim.Values("plan");
            ASSERT_EQ(plans.size(), 3 + request);
            EXPECT_EQ(sim.Value("active"), plans.back().substr(0, plans.back().find(' ')));
        }
    }
}

TEST_F(SwitcherRun, DuplicationIsRepeatedOnceWhenItCannotStart) {
    SimState sim(BuiltInPlans("zh"));
    g_failStarts = {2};
    ExpectSuccess(Change(3));
    EXPECT_EQ(g_starts, 5);
    EXPECT_EQ(sim.Values("plan").size(), 4u);
}

TEST_F(SwitcherRun, UltimateFailuresLogTheirStep) {
    const struct {
        bool existing;
        std::set<int> refused;
        const char* extra;
        const wchar_t* text;
    } cases[] = {
        {true, {1}, "", L"执行获取当前系统电源模式命令失败5"},
        {true, {2}, "", L"执行设置卓越性能命令失败1"},
        {true, {3}, "", L"执行获取当前系统电源模式命令失败6"},
        {true, {}, "ignore_set=1\n", L"设置卓越性能失败1"},
        {false, {2, 3}, "", L"获取卓越性能电源方案GUID失败"},
        {false, {3}, "", L"执行设置卓越性能命令失败"},
        {false, {4}, "", L"执行获取当前系统电源模式命令失败1"},
        {false, {}, "ignore_set=1\n", L"设置卓越性能失败"},
        {false, {}, "hide_ultimate=1\n", L"解析卓越性能电源方案GUID失败"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "expected " << test::Gbk(c.text).size() << "-byte text, refused "
                                        << c.refused.size() << ", extra " << c.extra);
        SimState sim((c.existing ? WithUltimate("zh", "卓越性能") : BuiltInPlans("zh")) + c.extra);
        test::DeleteLogFiles();
        g_starts = 0;
        g_failStarts = c.refused;
        ExpectFailure(Change(3, c.text), c.text);
    }
}

TEST_F(SwitcherRun, UltimateLineWithoutUsableGuidIsAParseFailure) {
    SimState sim(BuiltInPlans("zh") + "plan=1234 卓越性能\n");
    ExpectFailure(Change(3, L"解析卓越性能电源方案GUID失败"), L"解析卓越性能电源方案GUID失败");
    EXPECT_EQ(sim.Values("plan").size(), 4u) << "a named plan is never duplicated";
}

TEST(PowerSchemeSwitcher, NullWindowIsRefusedAndKeepsThePreviousOne) {
    test::MessageRecorder recorder;
    CPowerSchemeSwitcher switcher;
    EXPECT_FALSE(switcher.SetMsgWnd(nullptr));
    EXPECT_TRUE(switcher.SetMsgWnd(recorder.Handle()));
    EXPECT_FALSE(switcher.SetMsgWnd(nullptr));
    SimState sim(BuiltInPlans("zh"));
    ASSERT_TRUE(switcher.StartSetPowerMode(1));
    EXPECT_TRUE(recorder.PumpUntilResult(60000)) << "messages went to the kept window";
}

} // namespace
} // namespace halvane
