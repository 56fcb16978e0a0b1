#include "engine/CommandRunner.h"

#include "SimFixture.h"
#include "framework/SystemLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvane {
namespace {

using test::SimState;

std::wstring RunCmd(const std::wstring& command) {
    std::wstring out;
    EXPECT_TRUE(ExecuteCmd(command, &out)) << "command: " << std::string(command.begin(), command.end());
    return out;
}

// A folder of its own that the test makes current, with files planted in it.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t base[MAX_PATH];
        ::GetTempPathW(MAX_PATH, base);
        m_path = std::wstring(base) + L"halvane-runner-" + std::to_wstring(::GetTickCount());
        ::CreateDirectoryW(m_path.c_str(), nullptr);
        ::GetCurrentDirectoryW(MAX_PATH, base);
        m_previous = base;
        ::SetCurrentDirectoryW(m_path.c_str());
    }
    ~ScratchFolder() {
        ::SetCurrentDirectoryW(m_previous.c_str());
        for (const auto& f : m_files)
            ::DeleteFileW(f.c_str());
        ::RemoveDirectoryW(m_path.c_str());
    }
    std::wstring Put(const std::wstring& name, const std::string& bytes) {
        const std::wstring path = m_path + L"\\" + name;
        HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(h);
        m_files.push_back(path);
        return path;
    }
    void Adopt(const std::wstring& path) { m_files.push_back(path); }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    std::wstring m_previous;
    std::vector<std::wstring> m_files;
};

TEST(ExecuteCmd, SilentCommandLeavesTheOutputUntouched) {
    std::wstring out = L"kept";
    EXPECT_TRUE(ExecuteCmd(L"rem nothing", &out));
    EXPECT_EQ(out, L"kept");
}

TEST(ExecuteCmd, StandardErrorIsMergedAndOutputAppended) {
    std::wstring out = L">";
    EXPECT_TRUE(ExecuteCmd(L"echo to-out& echo to-err 1>&2", &out));
    EXPECT_EQ(out.rfind(L">", 0), 0u);
    EXPECT_NE(out.find(L"to-out"), std::wstring::npos);
    EXPECT_NE(out.find(L"to-err"), std::wstring::npos);
}

TEST(ExecuteCmd, LongOutputArrivesWholeAndInOrder) {
    // Over 4095 bytes of GBK text: several reads, none of them may garble a character.
    SimState sim("profile=zh\nextra_plans=300\n");
    const std::wstring out = RunCmd(L"powercfg /l ");
    ASSERT_GT(out.size(), 4096u);
    std::wstring::size_type at = 0;
    for (int i = 1; i <= 300; ++i) {
        wchar_t line[96];
        ::wsprintfW(line, L"电源方案 GUID: 00000000-0000-4000-8000-%012d  (方案 %d)\r\n", i, i);
        at = out.find(line, at);
        ASSERT_NE(at, std::wstring::npos) << "plan " << i << " missing or out of order";
    }
    EXPECT_EQ(out.find(L'?'), std::wstring::npos);
}

TEST(ExecuteCmd, ZeroByteEndsThatReadsText) {
    ScratchFolder folder;
    const std::wstring file = folder.Put(L"zero.txt", std::string("abc\0def", 7));
    EXPECT_EQ(RunCmd(L"type \"" + file + L"\""), L"abc");
}

TEST(ExecuteCmd, CharacterSplitAcrossReadsComesOutWhole) {
    // The simulator writes its list in 7-byte chunks, the first one ending inside a
    // GBK character, pausing long enough that every chunk is its own read.
    SimState sim("profile=zh\nsplit_mbcs=1\nchunk=7\nchunk_pause_ms=150\n");
    const std::wstring out = RunCmd(L"powercfg /l ");
    EXPECT_NE(out.find(L"现有电源使用方案"), std::wstring::npos) << "garbled header";
    EXPECT_NE(out.find(L"电源方案 GUID: 381b4222-f694-41f0-9685-ff5bb260df2e  (平衡) *\r\n"),
              std::wstring::npos);
    EXPECT_EQ(out.find(L'\xFFFD'), std::wstring::npos);
    EXPECT_EQ(out.find(L'\x30FB'), std::wstring::npos);
}

TEST(ExecuteCmd, PlantedInterpreterAndPowercfgNeverRun) {
    ScratchFolder folder;
    // A batch file and a fake interpreter where a search of the current folder would find them.
    folder.Put(L"powercfg.bat", "@echo planted-powercfg\r\n");
    const std::wstring fakeCmd = folder.Path() + L"\\cmd.exe";
    ASSERT_TRUE(::CopyFileW((fw::SystemFolder() + L"\\powercfg.exe").c_str(), fakeCmd.c_str(), FALSE));
    folder.Adopt(fakeCmd);

    SimState sim("profile=en\n");
    const std::wstring out = RunCmd(L"powercfg /l ");
    EXPECT_EQ(out.find(L"planted"), std::wstring::npos);
    EXPECT_NE(out.find(L"Power Scheme GUID: "), std::wstring::npos) << "output was not the list";
    EXPECT_EQ(sim.Value("calls"), "1");
}

TEST(ExecuteCmd, ChildStartsInTheSystemFolder) {
    ScratchFolder folder;
    std::wstring cd = RunCmd(L"cd");
    std::wstring expected = fw::SystemFolder() + L"\r\n";
    ::CharLowerW(cd.data());
    ::CharLowerW(expected.data());
    EXPECT_EQ(cd, expected);
}

TEST(ExecuteCmd, CommandThatFailsStillReturnsTrueWithItsText) {
    SimState sim("profile=en\n");
    const std::wstring out = RunCmd(L"powercfg -s 00000000-1111-2222-3333-444444444444");
    EXPECT_NE(out.find(L"Invalid Parameters"), std::wstring::npos);
}

// The WOW64 step through the seam: a fake IsWow64Process that says "32-bit on 64-bit".
struct Wow64Record {
    int disables = 0;
    int reverts = 0;
    int starts = 0;
    int disablesAtStart = -1;
    int revertsAtStart = -1;
    PVOID revertedValue = nullptr;
    BOOL disableResult = 1;
    BOOL startResult = TRUE;
};
Wow64Record g_record;
PVOID const kOldValue = reinterpret_cast<PVOID>(0x1234);

BOOL WINAPI FakeIsWow64Process(HANDLE, PBOOL wow64) {
    *wow64 = TRUE;
    return TRUE;
}
FARPROC WINAPI LookupFake() {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&FakeIsWow64Process));
}
FARPROC WINAPI LookupNothing() { return nullptr; }
BOOL WINAPI FakeDisable(PVOID* old) {
    ++g_record.disables;
    *old = kOldValue;
    return g_record.disableResult;
}
BOOL WINAPI FakeRevert(PVOID old) {
    ++g_record.reverts;
    g_record.revertedValue = old;
    return TRUE;
}
BOOL WINAPI CountingCreateProcess(LPCWSTR app, LPWSTR line, LPSECURITY_ATTRIBUTES pa,
                                  LPSECURITY_ATTRIBUTES ta, BOOL inherit, DWORD flags, LPVOID env,
                                  LPCWSTR dir, LPSTARTUPINFOW si, LPPROCESS_INFORMATION pi) {
    ++g_record.starts;
    g_record.disablesAtStart = g_record.disables;
    g_record.revertsAtStart = g_record.reverts;
    if (!g_record.startResult)
        return FALSE;
    return ::CreateProcessW(app, line, pa, ta, inherit, flags, env, dir, si, pi);
}

class Wow64Seam : public ::testing::Test {
protected:
    void Install(FARPROC(WINAPI* lookup)()) {
        g_record = Wow64Record{};
        CommandRunnerHooks hooks = testing_hooks::DefaultCommandRunnerHooks();
        hooks.lookupIsWow64Process = lookup;
        hooks.disableRedirection = &FakeDisable;
        hooks.revertRedirection = &FakeRevert;
        hooks.createProcess = &CountingCreateProcess;
        testing_hooks::SetCommandRunnerHooks(hooks);
    }
    void TearDown() override { testing_hooks::ResetCommandRunnerHooks(); }
};

TEST_F(Wow64Seam, RedirectionIsOffDuringTheRunAndRestoredAfterIt) {
    Install(&LookupFake);
    EXPECT_TRUE(IsWow64());
    std::wstring out;
    EXPECT_TRUE(ExecuteCmd(L"echo hi", &out));
    EXPECT_NE(out.find(L"hi"), std::wstring::npos);
    EXPECT_EQ(g_record.disablesAtStart, 1);
    EXPECT_EQ(g_record.revertsAtStart, 0);
    EXPECT_EQ(g_record.reverts, 1);
    EXPECT_EQ(g_record.revertedValue, kOldValue);
}

TEST_F(Wow64Seam, RedirectionIsRestoredWhenTheStartFails) {
    Install(&LookupFake);
    g_record.startResult = FALSE;
    std::wstring out;
    EXPECT_FALSE(ExecuteCmd(L"echo hi", &out));
    EXPECT_EQ(g_record.starts, 1);
    EXPECT_EQ(g_record.reverts, 1);
    EXPECT_EQ(g_record.revertedValue, kOldValue);
}

TEST_F(Wow64Seam, DisableThatDoesNotReturnExactlyOneStartsNothing) {
    for (BOOL result : {0, 2}) {
        Install(&LookupFake);
        g_record.disableResult = result;
        std::wstring out;
        EXPECT_FALSE(ExecuteCmd(L"echo hi", &out)) << result;
        EXPECT_EQ(g_record.starts, 0) << result;
        EXPECT_EQ(g_record.reverts, 0) << result;
        EXPECT_TRUE(out.empty());
    }
}

TEST_F(Wow64Seam, MissingIsWow64ProcessLeavesRedirectionAlone) {
    Install(&LookupNothing);
    EXPECT_FALSE(IsWow64());
    std::wstring out;
    EXPECT_TRUE(ExecuteCmd(L"echo hi", &out));
    EXPECT_EQ(g_record.disables, 0);
    EXPECT_EQ(g_record.reverts, 0);
    EXPECT_EQ(g_record.starts, 1);
}

TEST_F(Wow64Seam, RealLookupOnA64BitProcessIsNotWow64) {
    Install(testing_hooks::DefaultCommandRunnerHooks().lookupIsWow64Process);
    EXPECT_FALSE(IsWow64());
    std::wstring out;
    EXPECT_TRUE(ExecuteCmd(L"echo hi", &out));
    EXPECT_EQ(g_record.disables, 0);
}

class RecordedRun : public ::testing::Test {
protected:
    void Install(DWORD timeLimitMs) {
        CommandRunnerHooks hooks = testing_hooks::DefaultCommandRunnerHooks();
        hooks.createProcess = &test::RecordingCreateProcess;
        hooks.timeLimitMs = timeLimitMs;
        testing_hooks::SetCommandRunnerHooks(hooks);
    }
    void SetUp() override {
        test::Starts().Clear();
        Install(kCommandTimeLimitMs);
    }
    void TearDown() override {
        testing_hooks::ResetCommandRunnerHooks();
        test::Starts().Clear();
    }
};

TEST_F(RecordedRun, InterpreterSkipsAutoRunAndGetsTheCommandAsIs) {
    EXPECT_EQ(kCommandTimeLimitMs, 30000u);
    for (const wchar_t* command : {L"powercfg /l ", L"echo a & echo b", L"rem"}) {
        test::Starts().Clear();
        std::wstring out;
        SimState sim("profile=en\n");
        EXPECT_TRUE(ExecuteCmd(command, &out));
        ASSERT_EQ(test::Starts().lines.size(), 1u);
        EXPECT_EQ(test::Starts().lines[0], std::wstring(L"cmd /D /C ") + command);
        ASSERT_EQ(test::Starts().processes.size(), 1u);
        EXPECT_TRUE(test::HasEnded(test::Starts().processes[0]));
    }
}

// Runs that would never end: each fails once its (shortened) time is up, and neither the
// interpreter nor anything it started is left running.
TEST_F(RecordedRun, CommandsThatNeverEndFailWithinTheLimitAndLeaveNothingRunning) {
    const struct {
        const char* what;
        const char* state;
        const wchar_t* command;
        bool printsFirst;
    } cases[] = {
        {"powercfg hangs without a word", "hang=1\n", L"powercfg /l ", false},
        // The interpreter ends at once; the child it left behind holds the pipe open.
        {"a child left behind", "hang=1\n", L"start /b powercfg /l ", false},
        // 3000 plan lines, 64 bytes every 100 ms: far beyond the limit, never a quiet pipe.
        {"prints on and on", "profile=en\nextra_plans=3000\nchunk=64\nchunk_pause_ms=100\n",
         L"powercfg /l ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(test::RunningPowercfgs(), 0) << "a simulator of an earlier run still runs";
        SimState sim(c.state);
        test::Starts().Clear();
        Install(2500);
        std::wstring out = L">";
        EXPECT_FALSE(ExecuteCmd(c.command, &out));
        EXPECT_EQ(sim.Value("calls"), "1") << "the simulator never ran";
        ASSERT_EQ(test::Starts().processes.size(), 1u);
        EXPECT_TRUE(test::HasEnded(test::Starts().processes[0])) << "the interpreter still runs";
        EXPECT_EQ(test::RunningPowercfgs(), 0) << "the simulator still runs";
        EXPECT_EQ(out.rfind(L">", 0), 0u);
        EXPECT_EQ(out.find(L"Power Scheme GUID: ") != std::wstring::npos, c.printsFirst)
            << "what was read stays";
    }
    // The runner works as before afterwards.
    Install(kCommandTimeLimitMs);
    SimState sim("profile=en\n");
    EXPECT_NE(RunCmd(L"powercfg /l ").find(L"Power Scheme GUID: "), std::wstring::npos);
}

} // namespace
} // namespace halvane
