#include "feedbacklib/DottedVersion.h"

#include <gtest/gtest.h>

namespace {

using feedbacklib::CompareDottedVersions;
using feedbacklib::IsStrictlyNewerVersion;
using feedbacklib::ParseDottedVersion;

TEST(DottedVersion, ParsesNumericParts) {
    EXPECT_EQ(ParseDottedVersion("1.0.21.219"), (std::vector<std::uint32_t>{1, 0, 21, 219}));
    EXPECT_EQ(ParseDottedVersion("7"), (std::vector<std::uint32_t>{7}));
    EXPECT_EQ(ParseDottedVersion("007.4294967295"), (std::vector<std::uint32_t>{7, 4294967295u}));
    EXPECT_EQ(ParseDottedVersion("1.2.3.4.5.6.7.8")->size(), 8u);
}

TEST(DottedVersion, RejectsAnythingButDigitsAndSingleDots) {
    for (const char* bad :
         {"", ".", "1.", ".1", "1..2", "1.a", "v1.0", "1.0 ", " 1.0", "1,0", "-1.0", "+1",
          "1.0.21.219-beta", "4294967296", "99999999999999999999", "1.2.3.4.5.6.7.8.9"})
        EXPECT_FALSE(ParseDottedVersion(bad)) << '"' << bad << '"';
}

TEST(DottedVersion, ComparesPartsAsNumbersNotText) {
    EXPECT_TRUE(IsStrictlyNewerVersion("1.0.21.1000", "1.0.21.219"));
    EXPECT_FALSE(IsStrictlyNewerVersion("1.0.21.219", "1.0.21.1000"));
    EXPECT_TRUE(IsStrictlyNewerVersion("1.0.22.0", "1.0.21.219"));
    EXPECT_TRUE(IsStrictlyNewerVersion("2", "1.99.99.99"));
    EXPECT_TRUE(IsStrictlyNewerVersion("1.0.21.219.1", "1.0.21.219"));
    EXPECT_FALSE(IsStrictlyNewerVersion("1.0.9.999", "1.0.21.219"));
}

TEST(DottedVersion, EqualVersionsAreNotNewerAndMissingPartsAreZero) {
    EXPECT_FALSE(IsStrictlyNewerVersion("1.0.21.219", "1.0.21.219"));
    EXPECT_FALSE(IsStrictlyNewerVersion("1.0.21.219.0", "1.0.21.219"));
    EXPECT_FALSE(IsStrictlyNewerVersion("01.00.021.0219", "1.0.21.219"));
    EXPECT_EQ(CompareDottedVersions({1, 0}, {1, 0, 0, 0}), 0);
    EXPECT_LT(CompareDottedVersions({1, 0}, {1, 0, 0, 1}), 0);
    EXPECT_GT(CompareDottedVersions({4294967295u}, {4294967294u, 9}), 0);
}

TEST(DottedVersion, InvalidTextOnEitherSideIsNeverNewer) {
    EXPECT_FALSE(IsStrictlyNewerVersion("9.9.9.9x", "1.0"));
    EXPECT_FALSE(IsStrictlyNewerVersion("", "1.0"));
    EXPECT_FALSE(IsStrictlyNewerVersion("2.0", "garbage"));
}

} // namespace
