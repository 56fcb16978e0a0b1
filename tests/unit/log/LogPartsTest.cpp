#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "log/HexText.h"
#include "log/LogFolder.h"
#include "log/LogRotation.h"

using namespace halvane;

namespace {

TEST(LogRotation, MovesOnlyFilesPastTheLimit) {
    EXPECT_FALSE(ShouldRotateLog(0));
    EXPECT_FALSE(ShouldRotateLog(6019999));
    EXPECT_FALSE(ShouldRotateLog(6020000));
    EXPECT_TRUE(ShouldRotateLog(6020001));
    EXPECT_TRUE(ShouldRotateLog(0xFFFFFFFFu));
}

TEST(LogRotation, LooksAtTheLowThirtyTwoBitsOnly) {
    constexpr std::uint64_t k4GiB = 0x100000000ull;
    EXPECT_FALSE(ShouldRotateLog(k4GiB + 100));
    EXPECT_FALSE(ShouldRotateLog(k4GiB + 6020000));
    EXPECT_TRUE(ShouldRotateLog(k4GiB + 6020001));
    EXPECT_TRUE(ShouldRotateLog(3 * k4GiB - 1));
}

TEST(LogFolder, IsToolLogUnderTheCommonAppDataFolder) {
    EXPECT_EQ(LogFolderPath(L"C:\\ProgramData"), L"C:\\ProgramData\\ToolLog\\");
    EXPECT_EQ(LogFolderPath(L"D:\\数据"), L"D:\\数据\\ToolLog\\");
}

TEST(LogFolder, IsRelativeWhenTheCommonAppDataFolderIsUnknown) {
    EXPECT_EQ(LogFolderPath(L""), L"ToolLog\\");
}

TEST(HexText, TwoUpperCaseDigitsAndASpacePerByte) {
    const unsigned char bytes[] = {0x01, 0xAB, 0x00, 0xFF, 0x5c};
    EXPECT_EQ(FormatHexBytes(bytes, 2), "01 AB ");
    EXPECT_EQ(FormatHexBytes(bytes, 5), "01 AB 00 FF 5C ");
    EXPECT_EQ(FormatHexBytes(bytes, 0), "");
    EXPECT_EQ(FormatHexBytes(bytes, -3), "");
    EXPECT_EQ(FormatHexBytes(nullptr, 4), "");
}

} // namespace
