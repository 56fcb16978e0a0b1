// The real library's feedback file: exact records, the summary, a data folder that cannot be
// made, and two processes appending at once.
#include "win/feedback/ChildProcess.h"
#include "win/feedback/LibraryFixture.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <memory>
#include <set>
#include <thread>

namespace {

using namespace testing_win;

struct HandleCloser {
    void operator()(HANDLE h) const noexcept { ::CloseHandle(h); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

class FeedbackRecords : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        ::DeleteFileW((DataFolder() + L"\\CustomerFeedback.txt").c_str());
        ::DeleteFileW((DataFolder() + L"\\CustomerFeedbackInfo.txt").c_str());
    }
    static int Init() { return Entry<feedback::InitFreedbackDllFn>("InitFreedbackDll")(); }
    static int AddEx(const wchar_t* tool, const wchar_t* version, int answer, const wchar_t* time) {
        return Entry<feedback::CustomerFeedbackExFn>("CustomerFeedbackEx")(tool, version, answer,
                                                                           time);
    }
    static int Add(int answer) {
        return Entry<feedback::CustomerFeedbackFn>("CustomerFeedback")(kTool, kVersion, answer);
    }
    static int WriteInfo() {
        return Entry<feedback::WriteCustomerFeedbackInfoFileFn>("WriteCustomerFeedbackInfoFile")();
    }
    static std::string DataFile(const wchar_t* name) {
        const CaseFolder& f = Folder();
        return f.ReadText(std::wstring(L"data\\") + name);
    }
};

TEST_F(FeedbackRecords, InitPreparesTheDataFolder) {
    ::RemoveDirectoryW(DataFolder().c_str());
    EXPECT_EQ(Init(), 1);
    EXPECT_NE(::GetFileAttributesW(DataFolder().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);

    // Without a configured folder: ArkwenFeedback under the common application data folder.
    Folder().WriteText(L"ArkwenFeedbackInformation.ini", "[Urls]\r\n");
    wchar_t common[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, common)));
    const std::wstring folder = std::wstring(common) + L"\\ArkwenFeedback";
    EXPECT_EQ(Init(), 1);
    EXPECT_NE(::GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FeedbackRecords, AnswersAreAppendedExactly) {
    EXPECT_EQ(AddEx(kTool, kVersion, 1, L"1700000000"), 1);
    EXPECT_EQ(AddEx(kTool, kVersion, 3, L"-2147483648"), 1);
    EXPECT_EQ(AddEx(L"中\t文", L"1.0\r\n", 2, nullptr), 1); // a record stays one line
    EXPECT_EQ(DataFile(L"CustomerFeedback.txt"), "10113\t1.0.21.219\t1\t1700000000\r\n"
                                                 "10113\t1.0.21.219\t3\t-2147483648\r\n"
                                                 "\xE4\xB8\xAD \xE6\x96\x87\t1.0  \t2\t\r\n");
}

TEST_F(FeedbackRecords, PlainFeedbackIsStampedWithTheCurrentTime) {
    const long long before = static_cast<long long>(std::time(nullptr));
    EXPECT_EQ(Add(2), 1);
    const long long after = static_cast<long long>(std::time(nullptr));
    const auto lines = Lines(DataFile(L"CustomerFeedback.txt"));
    ASSERT_EQ(lines.size(), 1u);
    const std::string prefix = "10113\t1.0.21.219\t2\t";
    ASSERT_EQ(lines[0].rfind(prefix, 0), 0u) << lines[0];
    const long long stamp = std::stoll(lines[0].substr(prefix.size()));
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
}

TEST_F(FeedbackRecords, SummaryCountsWhatWasRecorded) {
    for (int answer : {1, 2, 2, 3, 3, 3})
        ASSERT_EQ(AddEx(kTool, kVersion, answer, L"0"), 1);
    ASSERT_EQ(AddEx(L"20001", L"2.0", 1, L"0"), 1);
    EXPECT_EQ(WriteInfo(), 1);
    EXPECT_EQ(DataFile(L"CustomerFeedbackInfo.txt"),
              "records=7\r\n"
              "tool=10113 version=1.0.21.219 solved=1 unsolved=2 unanswered=3 other=0\r\n"
              "tool=20001 version=2.0 solved=1 unsolved=0 unanswered=0 other=0\r\n");
    // Written again from scratch, not appended.
    ASSERT_EQ(AddEx(kTool, kVersion, 1, L"0"), 1);
    EXPECT_EQ(WriteInfo(), 1);
    EXPECT_EQ(Lines(DataFile(L"CustomerFeedbackInfo.txt")).at(0), "records=8");
    EXPECT_FALSE(Folder().Exists(L"data\\CustomerFeedbackInfo.tmp"));
}

TEST_F(FeedbackRecords, FolderThatCannotBeMadeOnlyMeansNoRecords) {
    const std::string missing = Narrow(Folder().File(L"no-such-parent\\data"));
    WriteConfig("", missing);
    EXPECT_EQ(Init(), 1);
    EXPECT_EQ(AddEx(kTool, kVersion, 1, L"0"), 0);
    EXPECT_EQ(WriteInfo(), 0);
}

TEST(FeedbackRecordsTwoProcesses, NoRecordIsLostOrTorn) {
    // Two probes load the real library from one folder and append at the same moment.
    constexpr int kEach = 300;
    const CaseFolder folder(L"append");
    ASSERT_TRUE(
        folder.CopyIn(ThisExecutableFolder() + L"\\halvane_feedback_probe.exe", L"probe.exe"));
    ASSERT_TRUE(folder.CopyIn(RealLibraryPath(), kLibraryName));
    ASSERT_TRUE(folder.WriteText(L"ArkwenFeedbackInformation.ini",
                                 "[Data]\r\nFolder=" + Narrow(folder.File(L"data")) + "\r\n"));
    const Handle ready(::CreateSemaphoreW(nullptr, 0, 2, L"Local\\HalvaneAppendReady"));
    const Handle go(::CreateEventW(nullptr, TRUE, FALSE, L"Local\\HalvaneAppendGo"));
    ASSERT_TRUE(ready && go);

    ChildResult results[2];
    const wchar_t* tags[2] = {L"A", L"B"};
    std::thread children[2];
    for (int i = 0; i < 2; ++i) {
        const std::wstring command = L"\"" + folder.File(L"probe.exe") + L"\" append " + tags[i] +
                                     L" " + std::to_wstring(kEach);
        children[i] = std::thread([&results, i, command] { results[i] = RunChild(command); });
    }
    // Starting a process under Wine on a busy machine can take many seconds.
    const bool bothReady = ::WaitForSingleObject(ready.get(), 120000) == WAIT_OBJECT_0 &&
                           ::WaitForSingleObject(ready.get(), 120000) == WAIT_OBJECT_0;
    ::SetEvent(go.get());
    for (std::thread& t : children)
        t.join();
    ASSERT_TRUE(bothReady);
    for (const ChildResult& r : results) {
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(r.output, "appended=" + std::to_string(kEach) + "\r\n");
    }

    // Every line is a whole record, and each child's records are all there, once each.
    std::map<std::string, std::set<int>> seen;
    const auto lines = Lines(folder.ReadText(L"data\\CustomerFeedback.txt"));
    EXPECT_EQ(lines.size(), 2u * kEach);
    for (const std::string& line : lines) {
        const auto t1 = line.find('\t');
        const auto t2 = line.find('\t', t1 + 1);
        const auto t3 = line.find('\t', t2 + 1);
        ASSERT_NE(t3, std::string::npos) << line;
        ASSERT_EQ(line.find('\t', t3 + 1), std::string::npos) << line;
        const std::string tag = line.substr(0, t1);
        const int n = std::stoi(line.substr(t3 + 1));
        EXPECT_EQ(line.substr(t1, t3 - t1), "\t1.0.21.219\t" + std::to_string(n % 3 + 1)) << line;
        EXPECT_TRUE(seen[tag].insert(n).second) << "twice: " << line;
    }
    EXPECT_EQ(seen["A"].size(), static_cast<std::size_t>(kEach));
    EXPECT_EQ(seen["B"].size(), static_cast<std::size_t>(kEach));
    EXPECT_EQ(seen.size(), 2u);
}

} // namespace
