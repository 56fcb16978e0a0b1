#include "tools/powercfg-sim/SimPlans.h"
#include "tools/powercfg-sim/SimState.h"

#include <gtest/gtest.h>

using namespace powercfgsim;

TEST(SimState, MissingKeysTakeTheProfilesDefaults) {
    SimState zh = ParseState("");
    EXPECT_EQ(zh.active, kBalancedGuid);
    ASSERT_EQ(zh.plans.size(), 3u);
    EXPECT_EQ(zh.plans[0].guid, kSaverGuid);
    EXPECT_EQ(zh.plans[2].name, "高性能");
    EXPECT_EQ(ParseState("profile=en\n").plans[1].name, "Balanced");
    EXPECT_EQ(ParseState("profile=de\n").plans[2].name, "Höchstleistung");
}

TEST(SimState, ReadsEveryKeyAndWritesItBack) {
    const std::string text = "\xEF\xBB\xBFprofile=en\r\n"
                             "active=8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c\r\n"
                             "plan=11111111-2222-3333-4444-555555555555 卓越性能 (copy)\r\n"
                             "# a note\r\n"
                             "modern_standby=1\nhide_ultimate=1\nignore_set=1\nsplit_mbcs=1\n"
                             "hang=1\nchunk=16\nchunk_pause_ms=250\nextra_plans=7\n"
                             "raw_output=41 00 0d 0A\ncalls=41\nlast_command=-s x\nfuture_knob=3\n";
    SimState s = ParseState(text);
    EXPECT_EQ(s.active, kHighPerformanceGuid);
    ASSERT_EQ(s.plans.size(), 1u);
    EXPECT_EQ(s.plans[0].name, "卓越性能 (copy)");
    EXPECT_TRUE(s.modernStandby && s.hideUltimate && s.ignoreSet && s.splitMbcs && s.hang);
    EXPECT_EQ(s.chunk + s.chunkPauseMs + s.extraPlans, 16u + 250u + 7u);
    EXPECT_EQ(s.rawOutput, std::string("A\0\r\n", 4));
    EXPECT_EQ(s.calls, 41u);

    std::string written = FormatState(s);
    EXPECT_EQ(FormatState(ParseState(written)), written);
    EXPECT_NE(written.find("raw_output=41 00 0d 0a\n"), std::string::npos);
    EXPECT_NE(written.find("# a note\nfuture_knob=3\n"), std::string::npos);
}

TEST(SimState, BadValuesLeaveDefaults) {
    SimState s = ParseState("chunk=12x\nchunk_pause_ms=-5\nextra_plans=999999999\nraw_output=4\n");
    EXPECT_EQ(s.chunk, 0u);
    EXPECT_EQ(s.chunkPauseMs, 0u);
    EXPECT_EQ(s.extraPlans, kMaxExtraPlans);
    EXPECT_FALSE(s.rawOutput.has_value());
    EXPECT_FALSE(DecodeHex("zz").has_value());
}
