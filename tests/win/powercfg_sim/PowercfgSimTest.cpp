// The installed powercfg.exe as the engine sees it: bytes through a pipe, state file on disk.
#include "SimRun.h"
#include "win/support/Pump.h"

#include <gtest/gtest.h>

namespace {

const std::string kSaver = "a1841308-3541-4fab-bc81-f71556f20b4a";
const std::string kBalanced = "381b4222-f694-41f0-9685-ff5bb260df2e";
const std::string kHigh = "8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c";
const std::string kTemplate = "e9a42b02-d5df-448d-aa00-03f14749eb61";

// GBK bytes, written out so the test does not share the simulator's encoder.
const std::string kGbkLinePrefix = "\xB5\xE7\xD4\xB4\xB7\xBD\xB0\xB8 GUID: "; // 电源方案 GUID:
const std::string kGbkSaver = "\xBD\xDA\xC4\xDC";                             // 节能
const std::string kGbkBalanced = "\xC6\xBD\xBA\xE2";                          // 平衡
const std::string kGbkHigh = "\xB8\xDF\xD0\xD4\xC4\xDC";                      // 高性能
const std::string kGbkUltimate = "\xD7\xBF\xD4\xBD\xD0\xD4\xC4\xDC";          // 卓越性能
const std::string kGbkHeader = // 现有电源使用方案 (* 活动)
    "\xCF\xD6\xD3\xD0\xB5\xE7\xD4\xB4\xCA\xB9\xD3\xC3\xB7\xBD\xB0\xB8 (* \xBB\xEE\xB6\xAF)";
const std::string kGbkInvalid = // 参数无效 -- 请尝试 "/?" 获取帮助
    "\xB2\xCE\xCA\xFD\xCE\xDE\xD0\xA7 -- \xC7\xEB\xB3\xA2\xCA\xD4 \"/?\" "
    "\xBB\xF1\xC8\xA1\xB0\xEF\xD6\xFA\r\n";

std::string GbkLine(const std::string& guid, const std::string& name, bool active) {
    return kGbkLinePrefix + guid + "  (" + name + ")" + (active ? " *" : "") + "\r\n";
}

std::string GbkList(const std::string& active) {
    return "\r\n" + kGbkHeader + "\r\n" + std::string(35, '-') + "\r\n" +
           GbkLine(kSaver, kGbkSaver, active == kSaver) +
           GbkLine(kBalanced, kGbkBalanced, active == kBalanced) +
           GbkLine(kHigh, kGbkHigh, active == kHigh);
}

SimRun Powercfg(const std::string& args) {
    return RunCommand(L"powercfg " + std::wstring(args.begin(), args.end()));
}

bool IsLowerGuid(const std::string& s) {
    if (s.size() != 36)
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        bool hex = (s[i] >= '0' && s[i] <= '9') || (s[i] >= 'a' && s[i] <= 'f');
        if (dash ? s[i] != '-' : !hex)
            return false;
    }
    return true;
}

} // namespace

TEST(PowercfgSim, MissingStateGivesTheChineseListInGbk) {
    CSimStateFile state; // not created: the simulator makes the folder and the file
    SimRun run = Powercfg("/l");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.bytes, GbkList(kBalanced));

    std::string text = state.Read();
    EXPECT_EQ(StateValue(text, "calls"), "1");
    EXPECT_EQ(StateValue(text, "last_command"), "/l");
    EXPECT_NE(text.find("plan=" + kBalanced + " 平衡\n"), std::string::npos); // UTF-8 on disk
}

TEST(PowercfgSim, SetActiveMovesTheMarkSilently) {
    CSimStateFile state;
    const std::pair<const char*, std::string> steps[] = {
        {"-s", kSaver}, {"/s", kHigh}, {"-setactive", kBalanced}, {"/SETACTIVE", kSaver}};
    for (const auto& [sw, guid] : steps) {
        SimRun set = Powercfg(std::string(sw) + " " + guid);
        EXPECT_EQ(set.exitCode, 0u) << sw;
        EXPECT_EQ(set.bytes, "") << sw;
        EXPECT_EQ(StateValue(state.Read(), "active"), guid) << sw;
        EXPECT_EQ(Powercfg("/list").bytes, GbkList(guid)) << sw;
    }
}

TEST(PowercfgSim, UnknownGuidOrSwitchPrintsTheErrorAndExitsOne) {
    CSimStateFile state;
    SimRun bad = Powercfg("-s 11111111-2222-3333-4444-555555555555");
    EXPECT_EQ(bad.exitCode, 1u);
    EXPECT_EQ(bad.bytes, kGbkInvalid);
    EXPECT_EQ(StateValue(state.Read(), "active"), kBalanced);

    EXPECT_EQ(Powercfg("/x").exitCode, 1u);
    EXPECT_EQ(Powercfg("").exitCode, 1u);

    state.Write("profile=en\n");
    SimRun en = Powercfg("-changename " + kSaver + " x");
    EXPECT_EQ(en.exitCode, 1u);
    EXPECT_EQ(en.bytes, "Invalid Parameters -- try \"/?\" for help\r\n");
}

TEST(PowercfgSim, DuplicateAddsAnInactiveUltimatePlan) {
    CSimStateFile state;
    SimRun dup = Powercfg("-duplicatescheme " + kTemplate);
    EXPECT_EQ(dup.exitCode, 0u);
    ASSERT_EQ(dup.bytes.size(), kGbkLinePrefix.size() + 36 + kGbkUltimate.size() + 6);
    std::string guid = dup.bytes.substr(kGbkLinePrefix.size(), 36);
    EXPECT_TRUE(IsLowerGuid(guid)) << guid;
    EXPECT_EQ(dup.bytes, GbkLine(guid, kGbkUltimate, false));

    std::string text = state.Read();
    EXPECT_EQ(StateValue(text, "active"), kBalanced);
    std::size_t high = text.find("plan=" + kHigh);
    std::size_t added = text.find("plan=" + guid + " 卓越性能\n");
    ASSERT_NE(added, std::string::npos);
    EXPECT_GT(added, high); // appended after the built-in plans
    EXPECT_EQ(Powercfg("/l").bytes, GbkList(kBalanced) + GbkLine(guid, kGbkUltimate, false));

    SimRun again = Powercfg("/duplicatescheme " + kTemplate);
    EXPECT_NE(again.bytes.substr(kGbkLinePrefix.size(), 36), guid);

    state.Write("hide_ultimate=1\n");
    SimRun hidden = Powercfg("-duplicatescheme " + kTemplate);
    EXPECT_EQ(hidden.exitCode, 1u);
    EXPECT_EQ(hidden.bytes, kGbkInvalid);
}

TEST(PowercfgSim, OtherProfilesAndUnencodableLetters) {
    CSimStateFile state("profile=other\nactive=" + kHigh + "\n");
    std::string list = Powercfg("/l").bytes;
    EXPECT_EQ(list.rfind("\r\nVorhandene Energieschemas (* Aktiv)\r\n", 0), 0u);
    // Code page 936 has no "ö": it arrives as '?', not as a look-alike.
    EXPECT_NE(list.find("Energieschema-GUID: " + kHigh + "  (H?chstleistung) *\r\n"),
              std::string::npos);

    // The labels without "GUID:"; GBK has the lower-case accented letters (pinyin), not "É".
    const struct {
        const char* profile;
        std::string line;
    } labels[] = {
        {"de", "GUID des Energieschemas: " + kHigh + "  (H?chstleistung) *\r\n"},
        {"es", "GUID de plan de energ\xA8\xAA" "a: " + kHigh + "  (Alto rendimiento) *\r\n"},
        {"fr", "GUID du mode de gestion de l'alimentation : " + kSaver +
                   "  (?conomies d'\xA8\xA6nergie)\r\n"},
    };
    for (const auto& l : labels) {
        state.Write(std::string("profile=") + l.profile + "\nactive=" + kHigh + "\n");
        EXPECT_NE(Powercfg("/l").bytes.find(l.line), std::string::npos) << l.profile;
    }
}

TEST(PowercfgSim, SplitMbcsTearsTheFirstCharacterAcrossReads) {
    CSimStateFile state("chunk=40\nchunk_pause_ms=200\nsplit_mbcs=1\n");
    SimRun run = Powercfg("/l");
    EXPECT_EQ(run.bytes, GbkList(kBalanced));
    ASSERT_GE(run.reads.size(), 2u);
    EXPECT_EQ(run.reads[0], "\r\n\xCF"); // lead byte of 现 alone
    EXPECT_EQ(run.reads[1].substr(0, 1), "\xD6");
    for (std::size_t i = 1; i < run.reads.size(); ++i)
        EXPECT_LE(run.reads[i].size(), 40u);
}

TEST(PowercfgSim, ExtraPlansMakeTheListLongerThanOneRead) {
    CSimStateFile state("extra_plans=100\n");
    SimRun run = Powercfg("/l");
    EXPECT_GT(run.bytes.size(), 4096u);
    std::size_t lines = 0;
    for (std::size_t p = run.bytes.find("\r\n"); p != std::string::npos;
         p = run.bytes.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 3u + 3u + 100u);
    const std::string last = "00000000-0000-4000-8000-000000000100  (\xB7\xBD\xB0\xB8 100)\r\n";
    ASSERT_GT(run.bytes.size(), last.size());
    EXPECT_EQ(run.bytes.substr(run.bytes.size() - last.size()), last);
}

TEST(PowercfgSim, RawOutputKeepsAZeroByte) {
    CSimStateFile state("raw_output=41 00 42 0d 0a\n");
    EXPECT_EQ(Powercfg("/l").bytes, std::string("A\0B\r\n", 5));
}

TEST(PowercfgSim, CmdFindsItInSystem32FromAnyFolder) {
    CSimStateFile state;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SimRun run = RunCommand(L"cmd /C powercfg /l", temp);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.bytes, GbkList(kBalanced));
}

TEST(PowercfgSim, HangNeverReturns) {
    CSimStateFile state("hang=1\n");
    HANDLE process = StartDetached(L"powercfg /l");
    ASSERT_NE(process, nullptr);
    // Once the run has counted itself it has nothing left but the hang.
    const ULONGLONG deadline = GetTickCount64() + halvane::test::kPatienceMs;
    while (StateValue(state.Read(), "calls") != "1" && GetTickCount64() < deadline)
        Sleep(50);
    EXPECT_EQ(StateValue(state.Read(), "calls"), "1");
    EXPECT_EQ(WaitForSingleObject(process, 1500), static_cast<DWORD>(WAIT_TIMEOUT));
    TerminateProcess(process, 9);
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
}

TEST(PowercfgSim, ARunWaitsWhileAnotherHoldsTheStateFile) {
    CSimStateFile state("", true);
    HANDLE file =
        CreateFileW(state.Path().c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    OVERLAPPED at{};
    ASSERT_TRUE(LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 0xFFFFFFFF, 0xFFFFFFFF, &at));

    HANDLE process = StartDetached(L"powercfg -s " + std::wstring(kSaver.begin(), kSaver.end()));
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 700), static_cast<DWORD>(WAIT_TIMEOUT));
    UnlockFileEx(file, 0, 0xFFFFFFFF, 0xFFFFFFFF, &at);
    CloseHandle(file);

    EXPECT_EQ(WaitForSingleObject(process, halvane::test::kPatienceMs),
              static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 99;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(StateValue(state.Read(), "active"), kSaver);
}
