#include "feedbacklib/UpdateManifest.h"

#include <gtest/gtest.h>

namespace {

using feedbacklib::ParseUpdateManifest;

TEST(UpdateManifest, ReadsSectionsPerTool) {
    const auto m = ParseUpdateManifest("\xEF\xBB\xBF; family manifest\r\n"
                                       "# generated\r\n"
                                       "\r\n"
                                       "[10113]\r\n"
                                       "  Version = 1.0.22.0 \r\n"
                                       "DOWNLOAD=https://example.test/d?x=1&y=2\r\n"
                                       "channel = stable\r\n"
                                       "[ 20001 ]\n"
                                       "version=3.1\n");
    ASSERT_TRUE(m);
    ASSERT_EQ(m->entries.size(), 2u);
    const auto* a = m->Find("10113");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->version, "1.0.22.0");
    EXPECT_EQ(a->download, "https://example.test/d?x=1&y=2");
    const auto* b = m->Find("20001");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->version, "3.1");
    EXPECT_EQ(b->download, "");
    EXPECT_EQ(m->Find("1011"), nullptr);
    EXPECT_EQ(m->Find("101133"), nullptr);
}

TEST(UpdateManifest, ValueMayContainEqualsAndEmptyManifestIsValid) {
    const auto m = ParseUpdateManifest("[t]\nversion=\ndownload=https://h/?a=b=c");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->entries.at(0).version, "");
    EXPECT_EQ(m->entries.at(0).download, "https://h/?a=b=c");
    const auto empty = ParseUpdateManifest("; nothing published yet\r\n");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->entries.empty());
}

TEST(UpdateManifest, RejectsTextThatIsNotAManifest) {
    for (const char* bad : {
             "version=1.0\n[10113]\n",          // key outside a section
             "[10113]\nversion 1.0\n",          // no '='
             "[10113\nversion=1.0\n",           // unclosed section
             "[]\nversion=1.0\n",               // empty section
             "[ ]\nversion=1.0\n",              // blank section
             "[a]b]\nversion=1.0\n",            // bracket inside the name
             "[10113]\nversion=1\n[10113]\n",   // section twice
             "[10113]\nversion=1\nversion=2\n", // key twice
             "[10113]\n=1.0\n",                 // empty key
             "<html><body>502 Bad Gateway</body></html>",
         })
        EXPECT_FALSE(ParseUpdateManifest(bad)) << bad;
    EXPECT_FALSE(ParseUpdateManifest(std::string_view("[10113]\nversion=1\0", 18)));
}

} // namespace
