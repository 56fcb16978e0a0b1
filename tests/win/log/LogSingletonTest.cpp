// The saver's first use races from two threads in fresh child processes of this executable;
// the parent then checks the real log in C:\ProgramData\ToolLog.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <future>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "LogTestFiles.h"
#include "log/Cp936.h"
#include "log/LogFailure.h"
#include "log/LogSave.h"

using namespace halvane;

namespace {

constexpr wchar_t kChildVariable[] = L"HALVANE_LOG_SINGLETON_CHILD";
constexpr int kChildren = 6;
const std::wstring kToolLog = L"C:\\ProgramData\\ToolLog\\";

std::wstring ChildEntry(const std::wstring& child, int thread) {
    return L"子进程" + child + L"线程" + std::to_wstring(thread);
}

// Child side: skipped unless started by the parent below.
TEST(LogSingletonChild, FirstUseFromTwoThreadsYieldsOneSaver) {
    wchar_t child[32] = {};
    if (GetEnvironmentVariableW(kChildVariable, child, 32) == 0) {
        GTEST_SKIP() << "runs only as a child of LogSingleton.FirstUseFromTwoThreads";
    }
    std::promise<void> start;
    std::shared_future<void> gate = start.get_future().share();
    CLogSave* seen[2] = {nullptr, nullptr};
    auto firstUse = [&](int index) {
        gate.wait();
        seen[index] = &CLogSave::GetInstance();
        LogFailure(ChildEntry(child, index));
    };
    std::thread a(firstUse, 0);
    std::thread b(firstUse, 1);
    start.set_value();
    a.join();
    b.join();
    ASSERT_NE(seen[0], nullptr);
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0]->GetLogFolder(), kToolLog);
}

DWORD RunChild(int index) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(self) +
        L"\" --gtest_filter=LogSingletonChild.FirstUseFromTwoThreadsYieldsOneSaver";
    SetEnvironmentVariableW(kChildVariable, std::to_wstring(index).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(kChildVariable, nullptr);
    if (!started) {
        return 1000;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1001;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(LogSingleton, FirstUseFromTwoThreadsMakesOneSaverInEveryProcess) {
    std::error_code ignored;
    std::filesystem::remove_all(kToolLog, ignored);

    for (int i = 0; i < kChildren; ++i) {
        EXPECT_EQ(RunChild(i), 0u) << "child " << i;
    }
    // The first saver of each child created the missing folder; both threads' entries arrived.
    const std::vector<std::string> texts = EntryTexts(ReadBytes(kToolLog + kLogName));
    ASSERT_EQ(texts.size(), 2u * kChildren);
    for (int i = 0; i < kChildren; ++i) {
        for (int thread = 0; thread < 2; ++thread) {
            const std::string expected = ToCp936(ChildEntry(std::to_wstring(i), thread));
            EXPECT_EQ(std::count(texts.begin(), texts.end(), expected), 1) << i << "/" << thread;
        }
    }
}

TEST(LogSingleton, LogFailureWritesAForcedEntryToTheToolLogFile) {
    std::error_code ignored;
    std::filesystem::remove(kToolLog + kLogName, ignored);
    LogFailure(L"设置节能模式失败");
    LogFailure(L"");

    const std::string bytes = ReadBytes(kToolLog + kLogName);
    ASSERT_EQ(bytes.size(), (30u + 16u + 3u) + 33u);
    EXPECT_TRUE(IsStamp(bytes.substr(0, 30)));
    EXPECT_EQ(bytes.substr(30, 19), kGbkSaverFailed + "\r\r\n");
    EXPECT_TRUE(IsStamp(bytes.substr(49, 30)));
    EXPECT_EQ(bytes.substr(79), "\r\r\n");
}

} // namespace
