// GDI+ runs for the whole program: the skins and backgrounds are GDI+ images.
#include <gtest/gtest.h>

#include "DialogTestSupport.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new halvane::test::GdiplusEnvironment);
    return RUN_ALL_TESTS();
}
