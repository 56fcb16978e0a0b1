// The panel's start-up checks and version check with the real engine, mouse hook and loader
// against the fake feedback libraries, each copied under the real library's name into this
// test's own folder, from where the loader takes it.
#include "panel/PanelStartup.h"

#include "RecordingPrompts.h"
#include "SimFixture.h"
#include "engine/PowerSchemeSwitcher.h"
#include "feedback/FeedbackDll.h"
#include "panel/MouseHook.h"
#include "win/support/MainWindowTest.h"
#include "win/support/Pump.h"

#include <gtest/gtest.h>

#include <string>

namespace halvane::test {
namespace {

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH]{};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// Puts a fake (built beside the other tests, one folder up) where the loader looks, or nothing.
class LibraryInPlace {
public:
    explicit LibraryInPlace(const wchar_t* fake)
        : m_target(ExeFolder() + L"\\ArkwenFeedbackInformation.dll") {
        ::DeleteFileW(m_target.c_str());
        if (fake != nullptr) {
            const std::wstring source = ExeFolder() + L"\\..\\" + fake;
            EXPECT_TRUE(::CopyFileW(source.c_str(), m_target.c_str(), FALSE)) << "no " << fake;
        }
    }
    ~LibraryInPlace() { ::DeleteFileW(m_target.c_str()); }
    LibraryInPlace(const LibraryInPlace&) = delete;
    LibraryInPlace& operator=(const LibraryInPlace&) = delete;

private:
    std::wstring m_target;
};

// The log holds exactly one forced entry with this text (30-character stamp, CR CR LF).
void ExpectOneLogEntry(const wchar_t* text) {
    const std::string entry = Gbk(text);
    std::string log;
    EXPECT_TRUE(PumpUntil([&] {
        return (log = ReadFileBytes(LogFilePath())).find(entry) != std::string::npos;
    })) << "no log entry";
    EXPECT_EQ(log.size(), 30 + entry.size() + 3) << log;
}

class PanelStartupTest : public MainWindowTest {
protected:
    PanelStartupTest() : MainWindowTest(RECT{100, 100, 500, 400}) {}
    void SetUp() override {
        MainWindowTest::SetUp();
        DeleteLogFiles();
    }
    void TearDown() override {
        DeleteLogFiles();
        MainWindowTest::TearDown();
    }
};

struct CheckCase {
    const char* name;
    bool withWindow;
    const wchar_t* library;
    const StartupFailure* failure; // null: every check passes
};

TEST_F(PanelStartupTest, FirstFailedCheckLogsPromptsWithoutOwnerAndEnds) {
    const CheckCase cases[] = {
        {"no window for the engine", false, L"fakefeedback_complete.dll", &kMsgWndFailure},
        {"no library", true, nullptr, &kFeedbackLoadFailure},
        {"library without the version question", true, L"fakefeedback_omit7.dll",
         &kFeedbackLoadFailure},
        {"library not ready", true, L"fakefeedback_init0.dll", &kFeedbackInitFailure},
        {"all pass", true, L"fakefeedback_complete.dll", nullptr},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteLogFiles();
        const LibraryInPlace library(c.library);
        CPowerSchemeSwitcher switcher;
        CMouseHook hook;
        CFeedbackDll feedback;
        RecordingPrompts prompts;
        CPanelStartup startup(switcher, hook, feedback, prompts);

        const bool passed = startup.RunChecks(c.withWindow ? m_main.GetSafeHwnd() : nullptr, 1.5f);
        hook.Uninstall();
        feedback.Free();

        EXPECT_EQ(passed, c.failure == nullptr);
        if (c.failure == nullptr) {
            EXPECT_TRUE(prompts.shown.empty());
            EXPECT_EQ(prompts.ends, 0);
            PumpFor(200);
            EXPECT_EQ(ReadFileBytes(LogFilePath()), "") << "a passed start-up logs nothing";
            continue;
        }
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].owner, nullptr);
        EXPECT_EQ(prompts.shown[0].scale, 1.5f);
        EXPECT_EQ(prompts.shown[0].text, c.failure->promptText);
        EXPECT_EQ(prompts.shown[0].endsBefore, 0) << "the end came before the prompt";
        EXPECT_EQ(prompts.ends, 1);
        ExpectOneLogEntry(c.failure->logText);
    }
}

struct VersionCase {
    const char* name;
    const wchar_t* library;
    bool newer;
};

TEST_F(PanelStartupTest, OnlyANewerVersionPromptsOverTheOwnerAndEnds) {
    const VersionCase cases[] = {
        {"newer", L"fakefeedback_newer.dll", true},
        {"same", L"fakefeedback_complete.dll", false},
        {"no library", nullptr, false},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LibraryInPlace library(c.library);
        CPowerSchemeSwitcher switcher;
        CMouseHook hook;
        CFeedbackDll feedback;
        EXPECT_EQ(feedback.Load(), c.library != nullptr);
        RecordingPrompts prompts;
        CPanelStartup startup(switcher, hook, feedback, prompts);

        startup.RunVersionCheck(&m_main, 2.0f);
        feedback.Free();

        if (!c.newer) {
            EXPECT_TRUE(prompts.shown.empty());
            EXPECT_EQ(prompts.ends, 0);
            continue;
        }
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].owner, &m_main);
        EXPECT_EQ(prompts.shown[0].scale, 2.0f);
        EXPECT_EQ(prompts.shown[0].text, kNewVersionPrompt);
        EXPECT_EQ(prompts.shown[0].endsBefore, 0);
        EXPECT_EQ(prompts.ends, 1);
    }
}

} // namespace
} // namespace halvane::test
