#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/DialogTemplateHeader.h"

namespace halvane::fw {
namespace {

void PutWord(std::vector<unsigned char>& b, std::uint16_t v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>(v >> 8));
}
void PutDword(std::vector<unsigned char>& b, std::uint32_t v) {
    PutWord(b, static_cast<std::uint16_t>(v & 0xFFFF));
    PutWord(b, static_cast<std::uint16_t>(v >> 16));
}

// The system's pop-up templates: style 0x80080040, position (0, 0).
TEST(DialogTemplateHeaderTest, ExtendedTemplateFields) {
    std::vector<unsigned char> b;
    PutWord(b, 1);
    PutWord(b, 0xFFFF);
    PutDword(b, 0);          // help id
    PutDword(b, 0x00040000); // WS_EX_APPWINDOW
    PutDword(b, 0x80080040);
    PutWord(b, 9);
    PutWord(b, 0);
    PutWord(b, static_cast<std::uint16_t>(-5));
    PutWord(b, 457);
    PutWord(b, 369);
    const auto h = ParseDialogTemplateHeader(b.data(), b.size());
    ASSERT_TRUE(h.has_value());
    EXPECT_TRUE(h->extended);
    EXPECT_EQ(h->style, 0x80080040u);
    EXPECT_EQ(h->exStyle, 0x00040000u);
    EXPECT_EQ(h->itemCount, 9);
    EXPECT_EQ(h->x, 0);
    EXPECT_EQ(h->y, -5);
    EXPECT_EQ(h->cx, 457);
    EXPECT_EQ(h->cy, 369);
}

TEST(DialogTemplateHeaderTest, ClassicTemplateFields) {
    std::vector<unsigned char> b;
    PutDword(b, 0x90C80000); // WS_POPUP | WS_VISIBLE | WS_CAPTION
    PutDword(b, 0x8);
    PutWord(b, 2);
    PutWord(b, 10);
    PutWord(b, 20);
    PutWord(b, 100);
    PutWord(b, 50);
    const auto h = ParseDialogTemplateHeader(b.data(), b.size());
    ASSERT_TRUE(h.has_value());
    EXPECT_FALSE(h->extended);
    EXPECT_EQ(h->style, 0x90C80000u);
    EXPECT_EQ(h->exStyle, 0x8u);
    EXPECT_EQ(h->itemCount, 2);
    EXPECT_EQ(h->x, 10);
    EXPECT_EQ(h->cy, 50);
}

TEST(DialogTemplateHeaderTest, TruncatedOrUnknownHeadersAreRejected) {
    std::vector<unsigned char> b;
    PutWord(b, 1);
    PutWord(b, 0xFFFF);
    PutDword(b, 0);
    EXPECT_FALSE(ParseDialogTemplateHeader(b.data(), b.size()).has_value()); // extended, too short
    std::vector<unsigned char> v2(26, 0);
    v2[0] = 2;
    v2[2] = v2[3] = 0xFF;
    EXPECT_FALSE(ParseDialogTemplateHeader(v2.data(), v2.size()).has_value()); // version 2
    std::vector<unsigned char> classic(17, 0);
    EXPECT_FALSE(ParseDialogTemplateHeader(classic.data(), classic.size()).has_value());
    EXPECT_FALSE(ParseDialogTemplateHeader(nullptr, 40).has_value());
}

} // namespace
} // namespace halvane::fw
