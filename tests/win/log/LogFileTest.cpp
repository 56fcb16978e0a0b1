#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "LogTestFiles.h"
#include "LogTestFolder.h"
#include "log/Cp936.h"
#include "log/LogSave.h"
#include "log/LogSaveCloseFile.h"

using namespace halvane;

namespace {

TEST(LogFile, ChineseEntryIsStampGbkTextAndCarriageReturnCarriageReturnLineFeed) {
    LogTestFolder root(L"chinese");
    CLogSave saver(root.AppData());
    EXPECT_EQ(saver.GetLogFolder(), root.LogFolder());

    SYSTEMTIME before{};
    GetLocalTime(&before);
    saver.Write(kGbkSaverFailed, kGbkLogName, true);

    const std::string bytes = ReadBytes(root.LogFolder() + kLogName);
    ASSERT_EQ(bytes.size(), 30u + 16u + 3u);
    EXPECT_TRUE(IsStamp(bytes.substr(0, 30))) << bytes.substr(0, 30);
    EXPECT_EQ(bytes.substr(1, 4), std::to_string(before.wYear));
    EXPECT_EQ(bytes.substr(30), kGbkSaverFailed + "\r\r\n");
}

TEST(LogFile, ConversionsUseCodePage936) {
    EXPECT_EQ(ToCp936(L"设置节能模式失败"), kGbkSaverFailed);
    EXPECT_EQ(ToCp936(L"霁衡.txt"), kGbkLogName);
    EXPECT_EQ(FromCp936(kGbkLogName), L"霁衡.txt");
    EXPECT_EQ(ToCp936(L""), "");
    EXPECT_EQ(FromCp936(""), L"");
}

TEST(LogFile, EmptyTextStillWritesStampAndLineEnd) {
    LogTestFolder root(L"empty");
    CLogSave saver(root.AppData());
    saver.Write("", kGbkLogName, true);

    const std::string bytes = ReadBytes(root.LogFolder() + kLogName);
    ASSERT_EQ(bytes.size(), 33u);
    EXPECT_TRUE(IsStamp(bytes.substr(0, 30)));
    EXPECT_EQ(bytes.substr(30), "\r\r\n");
}

TEST(LogFile, EntriesAreAppendedInOrderAfterWhatTheFileHeld) {
    LogTestFolder root(L"append");
    CLogSave saver(root.AppData());
    WriteBytes(root.LogFolder() + L"a.txt", "older\r\n");

    saver.Write("first", "a.txt", true);
    saver.Write("two\nlines", "a.txt", true);
    saver.Write("third", "a.txt", true);

    const std::string bytes = ReadBytes(root.LogFolder() + L"a.txt");
    ASSERT_EQ(bytes.substr(0, 7), "older\r\n");
    EXPECT_EQ(EntryTexts(std::string_view(bytes).substr(7)),
              (std::vector<std::string>{"first", "two\r\nlines", "third"}));
}

TEST(LogFile, ForceFalseWithPrintingOffWritesNothingAndCreatesNoFile) {
    LogTestFolder root(L"unforced");
    CLogSave saver(root.AppData());
    EXPECT_FALSE(saver.IsPrintEnabled());
    saver.Write(kGbkSaverFailed, kGbkLogName, false);

    EXPECT_FALSE(PathExists(root.LogFolder() + kLogName));
    EXPECT_TRUE(std::filesystem::is_empty(root.LogFolder()));
}

TEST(LogFile, MissingToolLogFolderIsCreatedAtConstruction) {
    LogTestFolder root(L"folder");
    ASSERT_FALSE(PathExists(root.LogFolder()));
    CLogSave saver(root.AppData());
    EXPECT_TRUE(std::filesystem::is_directory(root.LogFolder()));

    saver.Write("x", kGbkLogName, true);
    EXPECT_TRUE(PathExists(root.LogFolder() + kLogName));
}

TEST(LogFile, UnknownAppDataFolderLogsIntoToolLogOfTheCurrentDirectory) {
    LogTestFolder root(L"relative");
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(root.AppData().c_str()));
    {
        CLogSave saver(L"");
        EXPECT_EQ(saver.GetLogFolder(), L"ToolLog\\");
        saver.Write("relative", "r.txt", true);
    }
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(EntryTexts(ReadBytes(root.LogFolder() + L"r.txt")),
              std::vector<std::string>{"relative"});
}

TEST(LogFile, FileHeldOpenByAReaderStillTakesEntries) {
    LogTestFolder root(L"shared");
    CLogSave saver(root.AppData());
    saver.Write("one", "s.txt", true);
    const std::wstring path = root.LogFolder() + L"s.txt";
    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    saver.Write("two", "s.txt", true);
    CloseHandle(reader);
    EXPECT_EQ(EntryTexts(ReadBytes(path)), (std::vector<std::string>{"one", "two"}));
}

TEST(LogFile, EntryThatCannotBeOpenedIsDroppedAndTheLockReleased) {
    LogTestFolder root(L"unopenable");
    CLogSave saver(root.AppData());
    std::filesystem::create_directory(root.LogFolder() + L"dir.txt");

    saver.Write("lost", "dir.txt", true);
    saver.Write("kept", "ok.txt", true);

    EXPECT_TRUE(std::filesystem::is_empty(root.LogFolder() + L"dir.txt"));
    EXPECT_EQ(EntryTexts(ReadBytes(root.LogFolder() + L"ok.txt")),
              std::vector<std::string>{"kept"});
}

TEST(LogFile, HexEntryListsTheBytesOnOneLine) {
    LogTestFolder root(L"hex");
    std::filesystem::create_directory(root.LogFolder());
    CLogSaveCloseFile sink(root.LogFolder());
    const unsigned char bytes[] = {0x01, 0xAB, 0x0A};
    sink.WriteHex(bytes, 3, "hex.txt");
    sink.WriteText("plain", "hex.txt");

    EXPECT_EQ(EntryTexts(ReadBytes(root.LogFolder() + L"hex.txt")),
              (std::vector<std::string>{"01 AB 0A ", "plain"}));
}

} // namespace
