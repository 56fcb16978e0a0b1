#include "engine/MbcsCarry.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

CodePageShape Gbk() {
    CodePageShape shape;
    shape.kind = CodePageShape::DoubleByte;
    for (unsigned b = 0x81; b <= 0xFE; ++b)
        shape.leadByte[b] = true;
    return shape;
}

CodePageShape Utf8() {
    CodePageShape shape;
    shape.kind = CodePageShape::Utf8;
    return shape;
}

// "电源" in GBK: B5 E7 D4 B4. Its trail bytes are lead bytes too, so only a walk from the
// start can tell where characters end.
const std::string kPower = "\xB5\xE7\xD4\xB4";

TEST(MbcsCarry, HoldsBackACharacterCutByTheRead) {
    MbcsCarry carry(Gbk());
    EXPECT_EQ(carry.Take("ab" + kPower.substr(0, 3), false), "ab\xB5\xE7");
    EXPECT_EQ(carry.Take(kPower.substr(3) + "\r\n", false), "\xD4\xB4\r\n");
    EXPECT_EQ(carry.Flush(), "");
}

TEST(MbcsCarry, TrailBytesThatLookLikeLeadBytesDoNotConfuseTheWalk) {
    EXPECT_EQ(CompletePrefixLength(kPower, Gbk()), 4u);
    EXPECT_EQ(CompletePrefixLength(kPower.substr(0, 2), Gbk()), 2u);
    EXPECT_EQ(CompletePrefixLength("x" + kPower.substr(0, 1), Gbk()), 1u);
    // An ASCII trail byte (0x40..0x7E) still belongs to its lead byte.
    EXPECT_EQ(CompletePrefixLength("\x81\x40\x81", Gbk()), 2u);
}

TEST(MbcsCarry, ZeroByteEndsTheReadAndFlushesEverything) {
    MbcsCarry carry(Gbk());
    EXPECT_EQ(carry.Take("a\xB5", true), "a\xB5");
    EXPECT_EQ(carry.Take("\xE7", false), ""); // a lone lead byte waits
    EXPECT_EQ(carry.Flush(), "\xE7");
}

TEST(MbcsCarry, SingleByteCodePagesNeverHoldBack) {
    MbcsCarry carry(CodePageShape{});
    EXPECT_EQ(carry.Take("abc\xE9", false), "abc\xE9");
}

TEST(MbcsCarry, Utf8SequencesAreKeptWhole) {
    const std::string power = "\xE7\x94\xB5"; // 电
    EXPECT_EQ(CompletePrefixLength("a" + power.substr(0, 2), Utf8()), 1u);
    EXPECT_EQ(CompletePrefixLength("a" + power, Utf8()), 4u);
    // A broken sequence that no later byte can complete is passed on as it is.
    EXPECT_EQ(CompletePrefixLength("\xE7" "a", Utf8()), 2u);
    MbcsCarry carry(Utf8());
    EXPECT_EQ(carry.Take(power.substr(0, 1), false), "");
    EXPECT_EQ(carry.Take(power.substr(1), false), power);
}

} // namespace
} // namespace halvane
