#include <gtest/gtest.h>

#include <vector>

#include "dialogs/Premultiply.h"

namespace halvane {
namespace {

TEST(PremultiplyTest, OpaqueAndTransparentPixels) {
    EXPECT_EQ(PremultiplyPixel(0xFF123456u), 0xFF123456u);
    EXPECT_EQ(PremultiplyPixel(0x00FFFFFFu), 0x00000000u);
    EXPECT_EQ(PremultiplyPixel(0x80FFFFFFu), 0x80808080u);
}

TEST(PremultiplyTest, EveryAlphaAndChannelRoundsToNearest) {
    for (std::uint32_t a = 0; a < 256; ++a) {
        for (std::uint32_t c = 0; c < 256; ++c) {
            const std::uint32_t expected = (c * a * 2 + 255) / 510; // round(c * a / 255)
            const std::uint32_t p = PremultiplyPixel((a << 24) | (c << 16) | (c << 8) | c);
            ASSERT_EQ(p >> 24, a);
            ASSERT_EQ((p >> 16) & 0xFF, expected) << a << " " << c;
            ASSERT_EQ((p >> 8) & 0xFF, expected);
            ASSERT_EQ(p & 0xFF, expected);
        }
    }
}

TEST(PremultiplyTest, ChannelsStayApart) {
    std::vector<std::uint32_t> pixels{0x40FF0000u, 0x4000FF00u, 0x400000FFu, 0xC0102030u};
    PremultiplyPixels(pixels.data(), pixels.size());
    EXPECT_EQ(pixels[0], 0x40400000u);
    EXPECT_EQ(pixels[1], 0x40004000u);
    EXPECT_EQ(pixels[2], 0x40000040u);
    EXPECT_EQ(pixels[3], 0xC00C1824u);
}

} // namespace
} // namespace halvane
