#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LogTestFiles.h"
#include "LogTestFolder.h"
#include "log/LogSave.h"

using namespace halvane;

namespace {

struct ConfigCase {
    const char* ini; // logCfg.ini's bytes, or nullptr for no file
    bool print;
};

class LogConfigFile : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(LogConfigFile, DecidesWhetherUnforcedEntriesAreWritten) {
    LogTestFolder root(L"config");
    if (GetParam().ini != nullptr) {
        std::filesystem::create_directory(root.LogFolder());
        WriteBytes(root.LogFolder() + L"logCfg.ini", GetParam().ini);
    }
    CLogSave saver(root.AppData());
    EXPECT_EQ(saver.IsPrintEnabled(), GetParam().print);

    saver.Write("unforced", "u.txt", false);
    saver.Write("forced", "u.txt", true);
    const std::vector<std::string> expected = GetParam().print
                                                  ? std::vector<std::string>{"unforced", "forced"}
                                                  : std::vector<std::string>{"forced"};
    EXPECT_EQ(EntryTexts(ReadBytes(root.LogFolder() + L"u.txt")), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, LogConfigFile,
    ::testing::Values(
        ConfigCase{nullptr, false}, ConfigCase{"[Log]\r\nprint=1\r\n", true},
        ConfigCase{"[Log]\r\nprint = 1 \r\n", true}, ConfigCase{"[Log]\r\nprint=\t1\t\r\n", true},
        ConfigCase{"[Other]\r\nx=0\r\n[Log]\r\nprint=1abc\r\n", true},
        ConfigCase{"[Log]\r\nprint = 2\r\n", false}, ConfigCase{"[Log]\r\nprint = yes\r\n", false},
        ConfigCase{"[Log]\r\nprint = -1\r\n", false}, ConfigCase{"[Log]\r\nprint =\r\n", false},
        ConfigCase{"[Log]\r\nother = 1\r\n", false},
        ConfigCase{"[Other]\r\nprint = 1\r\n", false}));

} // namespace
