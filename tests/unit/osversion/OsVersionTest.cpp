#include "engine/OsVersion.h"

#include <gtest/gtest.h>

namespace {

TEST(IsSupportedVersion, OnlyWindows7And10AreSupported) {
    struct Row {
        unsigned long major, minor;
        bool supported;
    };
    const Row rows[] = {
        {5, 0, false}, {5, 1, false}, {5, 2, false}, {6, 0, false},
        {6, 1, true},  {6, 2, false}, {6, 3, false}, {10, 0, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(IsSupportedVersion(r.major, r.minor), r.supported) << r.major << "." << r.minor;
}

TEST(IsSupportedVersion, PairsOutsideTheTableAreUnsupported) {
    // Both numbers must match: neither major alone nor a swapped pair is enough.
    EXPECT_FALSE(IsSupportedVersion(6, 4));
    EXPECT_FALSE(IsSupportedVersion(1, 6));
    EXPECT_FALSE(IsSupportedVersion(0, 10));
    EXPECT_FALSE(IsSupportedVersion(0, 0));
    EXPECT_FALSE(IsSupportedVersion(4, 0));
    EXPECT_FALSE(IsSupportedVersion(7, 1));
    EXPECT_FALSE(IsSupportedVersion(9, 0));
}

TEST(IsSupportedVersion, Major10WithNonZeroMinorIsUnsupported) {
    for (unsigned long minor : {1ul, 2ul, 3ul, 10ul, 0xFFFFFFFFul})
        EXPECT_FALSE(IsSupportedVersion(10, minor)) << "10." << minor;
}

TEST(IsSupportedVersion, MajorAbove10IsUnsupported) {
    for (unsigned long major : {11ul, 12ul, 100ul, 0xFFFFFFFFul}) {
        EXPECT_FALSE(IsSupportedVersion(major, 0)) << major;
        EXPECT_FALSE(IsSupportedVersion(major, 1)) << major;
    }
}

} // namespace
