#include "tools/powercfg-sim/ChunkPlan.h"

#include <gtest/gtest.h>

using namespace powercfgsim;

namespace {
bool GbkLead(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}
} // namespace

TEST(ChunkPlan, WholeOutputOrFixedPieces) {
    EXPECT_EQ(ChunkSizes("abcdefg", 0, false, GbkLead), (std::vector<std::size_t>{7}));
    EXPECT_EQ(ChunkSizes("abcdefg", 3, false, GbkLead), (std::vector<std::size_t>{3, 3, 1}));
    EXPECT_EQ(ChunkSizes("abc", 10, false, GbkLead), (std::vector<std::size_t>{3}));
    EXPECT_TRUE(ChunkSizes("", 4, true, GbkLead).empty());
}

TEST(ChunkPlan, SplitEndsTheFirstPieceAfterTheFirstLeadByte) {
    // "\r\n现有" in GBK: the first piece is "\r\n" plus the lead byte of 现.
    std::string gbk = "\r\n\xCF\xD6\xD3\xD0xyz";
    EXPECT_EQ(ChunkSizes(gbk, 0, true, GbkLead), (std::vector<std::size_t>{3, 6}));
    EXPECT_EQ(ChunkSizes(gbk, 4, true, GbkLead), (std::vector<std::size_t>{3, 4, 2}));
    // No double-byte character, or one whose trail byte is missing: nothing to split.
    EXPECT_EQ(ChunkSizes("ascii", 2, true, GbkLead), (std::vector<std::size_t>{2, 2, 1}));
    EXPECT_EQ(ChunkSizes("ab\xCF", 0, true, GbkLead), (std::vector<std::size_t>{3}));
}
