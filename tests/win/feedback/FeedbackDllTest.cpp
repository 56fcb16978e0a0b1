// CFeedbackDll against fake libraries: the probe is copied with one fake (or none) into a
// folder of its own and reports what Load resolved and what each caller returned.
#include "win/feedback/CaseFolder.h"
#include "win/feedback/ChildProcess.h"
#include "win/feedback/FakeCodes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

namespace {

using fake_feedback::Code;
using testing_win::CaseFolder;

constexpr wchar_t kTool[] = L"10113";
constexpr wchar_t kVersion[] = L"1.0.21.219";
constexpr wchar_t kArticle[] = L"https://support.halvane.example/detail/dc_172545.html";

using Report = std::map<std::string, std::string>;

int Int(const Report& r, const std::string& key) {
    const auto it = r.find(key);
    return it == r.end() ? -999 : std::stoi(it->second);
}

// Runs "probe loader" from folder, which holds the probe and, if given, fake as the library.
Report RunLoaderIn(const std::wstring& folder, const std::wstring& fake) {
    const std::wstring here = testing_win::ThisExecutableFolder();
    // \\?\ lets the copies reach folders longer than MAX_PATH.
    const std::wstring target = L"\\\\?\\" + folder + L"\\";
    EXPECT_TRUE(::CopyFileW((here + L"\\halvane_feedback_probe.exe").c_str(),
                            (target + L"probe.exe").c_str(), FALSE));
    if (!fake.empty()) {
        EXPECT_TRUE(::CopyFileW((here + L"\\" + fake).c_str(),
                                (target + L"ArkwenFeedbackInformation.dll").c_str(), FALSE));
    }
    const auto result = testing_win::RunProgram(folder + L"\\probe.exe", L"loader");
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    Report report;
    for (const std::string& line : testing_win::Lines(result.output)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            report[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return report;
}

Report RunLoader(const std::wstring& caseName, const std::wstring& fake) {
    const CaseFolder folder(L"loader-" + caseName);
    return RunLoaderIn(folder.Path(), fake);
}

// What each thin caller must return when its slot is set (fake answers) or null (0).
void ExpectCallerResults(const Report& r, const std::string& slots, int init, int version) {
    EXPECT_EQ(Int(r, "init"), slots[0] == '1' ? init : 0);
    EXPECT_EQ(Int(r, "question"), slots[1] == '1' ? Code(1, {kTool, kVersion}) : 0);
    EXPECT_EQ(Int(r, "url"), slots[2] == '1' ? Code(2, {kArticle}) : 0);
    EXPECT_EQ(Int(r, "ex"), slots[5] == '1' ? Code(5, {kTool, kVersion, L"1700000000"}, 2) : 0);
    EXPECT_EQ(Int(r, "version"), slots[7] == '1' ? version : 0);
    EXPECT_EQ(Int(r, "down"), slots[8] == '1' ? Code(8, {}) : 0);
}

TEST(FeedbackDllLoad, MissingLibraryFailsAndCallsNothing) {
    const Report r = RunLoader(L"missing", L"");
    EXPECT_EQ(Int(r, "load"), 0);
    EXPECT_EQ(r.at("slots"), "000000000");
    EXPECT_EQ(Int(r, "module"), 0);
    ExpectCallerResults(r, "000000000", 0, 0);
}

TEST(FeedbackDllLoad, CompleteLibraryResolvesAllNineAndPassesResultsThrough) {
    const Report r = RunLoader(L"complete", L"fakefeedback_complete.dll");
    EXPECT_EQ(Int(r, "load"), 1);
    EXPECT_EQ(r.at("slots"), "111111111");
    EXPECT_EQ(Int(r, "module"), 1);
    EXPECT_EQ(Int(r, "loaded"), 1);
    ExpectCallerResults(r, "111111111", 1, 1);
    // Free unloads, and a freed loader calls nothing.
    EXPECT_EQ(Int(r, "freed_loaded"), 0);
    EXPECT_EQ(Int(r, "freed_init"), 0);
    EXPECT_EQ(Int(r, "freed_ex"), 0);
}

// A path longer than MAX_PATH is read whole and the library beside the probe loads.
TEST(FeedbackDllLoad, LoadsFromAFolderLongerThanMaxPath) {
    const CaseFolder base(L"loader-long");
    std::wstring folder = base.Path();
    while (folder.size() < 300) {
        folder += L"\\" + std::wstring(50, L'l');
        ASSERT_TRUE(::CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr) ||
                    ::GetLastError() == ERROR_ALREADY_EXISTS);
    }
    const Report r = RunLoaderIn(folder, L"fakefeedback_complete.dll");
    EXPECT_EQ(Int(r, "load"), 1);
    EXPECT_EQ(r.at("slots"), "111111111");
    ExpectCallerResults(r, "111111111", 1, 1);
}

TEST(FeedbackDllLoad, InitReturningZeroIsPassedOn) {
    const Report r = RunLoader(L"init0", L"fakefeedback_init0.dll");
    EXPECT_EQ(Int(r, "load"), 1);
    EXPECT_EQ(Int(r, "init"), 0);
}

TEST(FeedbackDllLoad, NewerVersionAnswerIsPassedOn) {
    const Report r = RunLoader(L"newer", L"fakefeedback_newer.dll");
    EXPECT_EQ(Int(r, "load"), 1);
    EXPECT_EQ(Int(r, "version"), 3);
}

class FeedbackDllMissingExport : public ::testing::TestWithParam<int> {};

TEST_P(FeedbackDllMissingExport, LoadStopsThereAndKeepsTheModule) {
    const int missing = GetParam();
    const Report r = RunLoader(L"omit" + std::to_wstring(missing),
                               L"fakefeedback_omit" + std::to_wstring(missing) + L".dll");
    std::string slots(9, '0');
    slots.replace(0, static_cast<std::size_t>(missing), static_cast<std::size_t>(missing), '1');
    EXPECT_EQ(Int(r, "load"), 0);
    EXPECT_EQ(r.at("slots"), slots);
    // A failed Load does not unload; Free does.
    EXPECT_EQ(Int(r, "module"), 1);
    EXPECT_EQ(Int(r, "loaded"), 1);
    EXPECT_EQ(Int(r, "freed_loaded"), 0);
    ExpectCallerResults(r, slots, 1, 1);
}

INSTANTIATE_TEST_SUITE_P(EachOfNine, FeedbackDllMissingExport, ::testing::Range(0, 9));

} // namespace
