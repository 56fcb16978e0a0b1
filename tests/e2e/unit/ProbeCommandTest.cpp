// The probe's command line: verbs, options, numbers in the forms tests pass them.
#include "tools/probe/ProbeCommand.h"

#include <gtest/gtest.h>

using namespace probe;

namespace {

ProbeCommand Parse(std::vector<std::string> args) {
    ParsedCommand parsed = ParseProbeCommand(args);
    EXPECT_TRUE(parsed.command) << parsed.error;
    return parsed.command.value_or(ProbeCommand{});
}

std::string ErrorOf(std::vector<std::string> args) {
    ParsedCommand parsed = ParseProbeCommand(args);
    EXPECT_FALSE(parsed.command);
    return parsed.error;
}

} // namespace

TEST(ParseInteger, DecimalHexAndTwosComplementNegatives) {
    EXPECT_EQ(ParseInteger("0"), 0u);
    EXPECT_EQ(ParseInteger("1526"), 1526u);
    EXPECT_EQ(ParseInteger("0x5F6"), 0x5F6u);
    EXPECT_EQ(ParseInteger("0XabCD"), 0xABCDu);
    EXPECT_EQ(ParseInteger("-1"), UINT64_MAX);
    EXPECT_EQ(ParseInteger("-0x10"), 0 - std::uint64_t(16));
    EXPECT_EQ(ParseInteger("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(ParseInteger("-9223372036854775808"), std::uint64_t(1) << 63);
}

TEST(ParseInteger, RejectsMalformedAndOverflowing) {
    for (const char* bad : {"", "-", "0x", "-0x", "12a", "0xg", " 1", "1 ", "+1", "--1",
                            "18446744073709551616", "0x10000000000000000", "-9223372036854775809"})
        EXPECT_FALSE(ParseInteger(bad)) << bad;
}

TEST(ProbeCommand, TreeIsTheDefaultAndTakesOneProcessFilter) {
    EXPECT_EQ(Parse({}).verb, ProbeVerb::Tree);
    ProbeCommand c = Parse({"--image", "Halvane.exe", "--visible"});
    EXPECT_EQ(c.verb, ProbeVerb::Tree);
    EXPECT_EQ(c.image, "Halvane.exe");
    EXPECT_TRUE(c.visibleOnly);
    EXPECT_FALSE(c.pid);
    EXPECT_EQ(Parse({"tree", "--pid", "0x2c"}).pid, 44u);

    EXPECT_NE(ErrorOf({"tree", "--pid", "1", "--image", "a.exe"}), "");
    EXPECT_NE(ErrorOf({"tree", "--pid", "-1"}), "");
    EXPECT_NE(ErrorOf({"tree", "--image"}), "");
    EXPECT_NE(ErrorOf({"tree", "extra"}), "");
    EXPECT_NE(ErrorOf({"tree", "--colour", "x"}), "");
    EXPECT_NE(ErrorOf({"trees"}), "");
}

TEST(ProbeCommand, PixelTakesTwoSignedCoordinates) {
    ProbeCommand c = Parse({"pixel", "-5", "1599"});
    EXPECT_EQ(c.verb, ProbeVerb::Pixel);
    EXPECT_EQ(c.x, -5);
    EXPECT_EQ(c.y, 1599);
    EXPECT_NE(ErrorOf({"pixel", "1"}), "");
    EXPECT_NE(ErrorOf({"pixel", "1", "2", "3"}), "");
    EXPECT_NE(ErrorOf({"pixel", "2147483648", "0"}), "");
    EXPECT_NE(ErrorOf({"pixel", "1", "y"}), "");
}

TEST(ProbeCommand, WaitWindowNeedsTitleOrClass) {
    ProbeCommand c = Parse({"wait-window", "--title", "演示窗口", "--timeout", "2500"});
    EXPECT_EQ(c.verb, ProbeVerb::WaitWindow);
    EXPECT_EQ(c.title, "演示窗口");
    EXPECT_EQ(c.timeoutMs, 2500u);
    EXPECT_EQ(Parse({"wait-window", "--class", "#32770"}).timeoutMs, 10000u);
    EXPECT_NE(ErrorOf({"wait-window"}), "");
    EXPECT_NE(ErrorOf({"wait-window", "--timeout", "100"}), "");
    EXPECT_NE(ErrorOf({"wait-window", "--title", "x", "--timeout", "-1"}), "");
    EXPECT_NE(ErrorOf({"wait-window", "--title", "x", "--timeout", "0x100000000"}), "");
}

TEST(ProbeCommand, PostAndSendCarryFullWidthParameters) {
    ProbeCommand c = Parse({"send", "0x1004c", "0x5F6", "2", "-1", "--timeout", "300"});
    EXPECT_EQ(c.verb, ProbeVerb::Send);
    EXPECT_EQ(c.hwnd, 0x1004cu);
    EXPECT_EQ(c.message, 1526u);
    EXPECT_EQ(c.wParam, 2u);
    EXPECT_EQ(c.lParam, UINT64_MAX);
    EXPECT_EQ(c.timeoutMs, 300u);

    ProbeCommand p = Parse({"post", "65612", "16", "0", "0xFFFFFFFF00000000"});
    EXPECT_EQ(p.verb, ProbeVerb::Post);
    EXPECT_EQ(p.hwnd, 65612u);
    EXPECT_EQ(p.lParam, 0xFFFFFFFF00000000u);

    EXPECT_NE(ErrorOf({"post", "0", "16", "0", "0"}), "");             // no window
    EXPECT_NE(ErrorOf({"post", "0x10", "0x100000000", "0", "0"}), ""); // message is 32 bits
    EXPECT_NE(ErrorOf({"post", "0x10", "-1", "0", "0"}), "");
    EXPECT_NE(ErrorOf({"post", "0x10", "16", "0"}), "");
    EXPECT_NE(ErrorOf({"post", "0x10", "16", "0", "0", "--timeout", "5"}), ""); // send only
}
