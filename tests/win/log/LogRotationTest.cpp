#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "LogTestFiles.h"
#include "LogTestFolder.h"
#include "log/Cp936.h"
#include "log/LogSave.h"

using namespace halvane;

namespace {

constexpr std::size_t kLimit = 6020000;
// Stamp, the 16 bytes of kGbkSaverFailed, CR CR LF.
constexpr std::size_t kEntrySize = 30 + 16 + 3;

class LogRotation : public ::testing::Test {
protected:
    LogRotation() : m_root(L"rotation"), m_saver(m_root.AppData()) {}

    std::wstring Live() const { return m_root.LogFolder() + kLogName; }
    std::wstring Backup() const { return m_root.LogFolder() + kLogName + L"bak"; }
    void Log() { m_saver.Write(kGbkSaverFailed, kGbkLogName, true); }

    LogTestFolder m_root;
    CLogSave m_saver;
};

TEST_F(LogRotation, EntryThatCrossesTheLimitEndsTheFileAndMovesItToTheBackup) {
    const std::string prefill(kLimit - 10, 'p');
    WriteBytes(Live(), prefill);
    Log();

    EXPECT_FALSE(PathExists(Live()));
    const std::string backup = ReadBytes(Backup());
    ASSERT_EQ(backup.size(), kLimit - 10 + kEntrySize);
    EXPECT_EQ(backup.substr(0, prefill.size()), prefill);
    EXPECT_EQ(EntryTexts(std::string_view(backup).substr(prefill.size())),
              std::vector<std::string>{kGbkSaverFailed});

    Log();
    EXPECT_EQ(EntryTexts(ReadBytes(Live())), std::vector<std::string>{kGbkSaverFailed});
    EXPECT_EQ(ReadBytes(Backup()).size(), kLimit - 10 + kEntrySize);
}

TEST_F(LogRotation, FileEndingExactlyAtTheLimitStays) {
    WriteBytes(Live(), std::string(kLimit - kEntrySize, 'p'));
    Log();
    EXPECT_EQ(std::filesystem::file_size(Live()), kLimit);
    EXPECT_FALSE(PathExists(Backup()));

    Log();
    EXPECT_FALSE(PathExists(Live()));
    EXPECT_EQ(std::filesystem::file_size(Backup()), kLimit + kEntrySize);
}

TEST_F(LogRotation, OlderBackupIsReplaced) {
    WriteBytes(Backup(), "old backup");
    WriteBytes(Live(), std::string(kLimit, 'p'));
    Log();
    EXPECT_EQ(std::filesystem::file_size(Backup()), kLimit + kEntrySize);
    EXPECT_FALSE(PathExists(Live()));
}

TEST_F(LogRotation, FailedMoveKeepsTheFileGrowingAndIsTriedAgainAfterTheNextEntry) {
    // A folder in the backup's place makes the move fail.
    std::filesystem::create_directory(Backup());
    WriteBytes(Live(), std::string(kLimit, 'p'));
    Log();
    EXPECT_EQ(std::filesystem::file_size(Live()), kLimit + kEntrySize);

    std::filesystem::remove(Backup());
    Log();
    EXPECT_FALSE(PathExists(Live()));
    EXPECT_EQ(std::filesystem::file_size(Backup()), kLimit + 2 * kEntrySize);
}

TEST_F(LogRotation, TwoThreadsLoggingAcrossARotationLoseAndInterleaveNothing) {
    constexpr int kPerThread = 400;
    const std::string prefill(kLimit - 5000, 'p');
    WriteBytes(Live(), prefill);

    auto writer = [this](const std::wstring& who) {
        for (int i = 0; i < kPerThread; ++i) {
            m_saver.Write(ToCp936(who + std::to_wstring(i)), kGbkLogName, true);
        }
    };
    std::thread first(writer, L"甲");
    std::thread second(writer, L"乙");
    first.join();
    second.join();

    const std::string backup = ReadBytes(Backup());
    ASSERT_GT(backup.size(), kLimit);
    ASSERT_EQ(backup.substr(0, prefill.size()), prefill);
    std::vector<std::string> texts = EntryTexts(std::string_view(backup).substr(prefill.size()));
    const std::string live = ReadBytes(Live());
    ASSERT_LT(live.size(), kLimit);
    const std::vector<std::string> liveTexts = EntryTexts(live);
    texts.insert(texts.end(), liveTexts.begin(), liveTexts.end());

    // Every entry whole, each thread's entries once each and in the order written.
    std::vector<std::string> ofFirst;
    std::vector<std::string> ofSecond;
    const std::string jia = ToCp936(L"甲");
    const std::string yi = ToCp936(L"乙");
    for (const std::string& text : texts) {
        if (text.compare(0, jia.size(), jia) == 0) {
            ofFirst.push_back(text);
        } else if (text.compare(0, yi.size(), yi) == 0) {
            ofSecond.push_back(text);
        } else {
            ADD_FAILURE() << "unexpected entry: " << text;
        }
    }
    std::vector<std::string> expectedFirst;
    std::vector<std::string> expectedSecond;
    for (int i = 0; i < kPerThread; ++i) {
        expectedFirst.push_back(jia + std::to_string(i));
        expectedSecond.push_back(yi + std::to_string(i));
    }
    EXPECT_EQ(ofFirst, expectedFirst);
    EXPECT_EQ(ofSecond, expectedSecond);

    std::vector<std::wstring> names;
    for (const auto& item : std::filesystem::directory_iterator(m_root.LogFolder())) {
        names.push_back(item.path().filename().wstring());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{kLogName, kLogName + L"bak"}));
}

} // namespace
