#include <gtest/gtest.h>

#include <string>

#include "log/LogConfig.h"

using namespace halvane;

namespace {

TEST(PrintFlag, OneWithOrWithoutSurroundingWhiteSpaceTurnsPrintingOn) {
    for (const wchar_t* value :
         {L"1", L" 1 ", L"\t1\t", L"  1", L"1  ", L"\r\n 1 \n", L"+1", L"01", L"0001"}) {
        EXPECT_TRUE(PrintFlagFromValue(value)) << "value: [" << value << "]";
    }
}

TEST(PrintFlag, AnyOtherNumberOrWordLeavesItOff) {
    for (const wchar_t* value : {L"", L" ", L"-1", L"0", L"2", L"11", L"10", L"yes", L"true", L"on",
                                 L"- 1", L"+-1", L"one", L"\x0661" /* Arabic-Indic 1 */}) {
        EXPECT_FALSE(PrintFlagFromValue(value)) << "value: [" << value << "]";
    }
}

TEST(PrintFlag, ReadsLikeWtoiUpToTheFirstNonDigit) {
    EXPECT_TRUE(PrintFlagFromValue(L"1abc"));
    EXPECT_TRUE(PrintFlagFromValue(L"1.9"));
    EXPECT_TRUE(PrintFlagFromValue(L"1 2"));
    EXPECT_FALSE(PrintFlagFromValue(L"a1"));
    EXPECT_FALSE(PrintFlagFromValue(L"0x1"));
    EXPECT_FALSE(PrintFlagFromValue(L"2abc"));
}

TEST(PrintFlag, AnEmbeddedNulEndsTheNumber) {
    EXPECT_TRUE(PrintFlagFromValue(std::wstring(L"1\0"
                                                L"5",
                                                3)));
    EXPECT_FALSE(PrintFlagFromValue(std::wstring(L"\0"
                                                 L"1",
                                                 2)));
}

TEST(PrintFlag, OutOfRangeNumbersSaturateInsteadOfWrapping) {
    // 2^32 + 1 would wrap to 1 in 32-bit arithmetic.
    EXPECT_FALSE(PrintFlagFromValue(L"4294967297"));
    EXPECT_FALSE(PrintFlagFromValue(L"18446744073709551617"));
    EXPECT_FALSE(PrintFlagFromValue(L"-4294967295"));
    EXPECT_FALSE(PrintFlagFromValue(L"99999999999999999999999999999999999999999"));
    EXPECT_TRUE(PrintFlagFromValue(L"00000000000000000000000000000000000000001"));
}

} // namespace
