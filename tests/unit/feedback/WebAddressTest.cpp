#include "feedbacklib/WebAddress.h"

#include <gtest/gtest.h>

namespace {

using namespace feedbacklib;

TEST(WebAddress, AcceptsHttpAndHttpsWithAHost) {
    for (const char* ok :
         {"http://a", "https://support.halvane.example",
          "HTTPS://Support.Halvane.Example/detail/dc_172545.html",
          "http://127.0.0.1:8080/m.ini?x=%E4%B8%AD#top", "http://[::1]:80/", "https://user@host/p"})
        EXPECT_TRUE(IsOpenableWebAddress(ok)) << ok;
}

TEST(WebAddress, RefusesOtherSchemesPathsAndUnsafeCharacters) {
    for (const char* bad : {"",
                            "file:///C:/windows/system32/calc.exe",
                            "file://host/share",
                            "C:\\windows\\system32\\cmd.exe",
                            "cmd.exe",
                            "javascript:alert(1)",
                            "mailto:a@b",
                            "ftp://host/",
                            "http:/host",
                            "http://",
                            "https:///path",
                            "http://:80/",
                            "http://[]/",
                            "http://[::1/",
                            "http://host/a\"b",
                            "http://host/a b",
                            "http://host/\\x",
                            "http://host/%zz",
                            "http://host/%4",
                            "http://host/\xE4\xB8\xAD",
                            "http://host/a\r\nb",
                            " http://host"})
        EXPECT_FALSE(IsOpenableWebAddress(bad)) << bad;
    EXPECT_FALSE(IsOpenableWebAddress(std::string_view("http://host/\0x", 14)));
}

TEST(WebAddress, LengthLimitIs2048Bytes) {
    std::string address = "http://h/";
    address.resize(2048, 'a');
    EXPECT_TRUE(IsOpenableWebAddress(address));
    address += 'a';
    EXPECT_FALSE(IsOpenableWebAddress(address));
}

TEST(WebAddress, TemplatesFillEncodedValues) {
    EXPECT_EQ(PercentEncode("1.0_a-b~Z9"), "1.0_a-b~Z9");
    EXPECT_EQ(PercentEncode("a b&c=d/\xE4\xB8\xAD{"), "a%20b%26c%3Dd%2F%E4%B8%AD%7B");
    EXPECT_EQ(ExpandAddressTemplate("https://h/f/?tool={tool}&version={version}&again={tool}",
                                    "10113", "1.0.21.219"),
              "https://h/f/?tool=10113&version=1.0.21.219&again=10113");
    EXPECT_EQ(ExpandAddressTemplate("https://h/{tool}", "{version}", "x"),
              "https://h/%7Bversion%7D");
    EXPECT_EQ(ExpandAddressTemplate("https://h/plain", "t", "v"), "https://h/plain");
}

TEST(WebAddress, RebasesOnlyAddressesUnderTheRoot) {
    const char* from = "https://support.halvane.example";
    const char* to = "http://127.0.0.1:9/kb/";
    EXPECT_EQ(RebaseAddress("https://support.halvane.example", from, to), "http://127.0.0.1:9/kb");
    EXPECT_EQ(RebaseAddress("HTTPS://SUPPORT.halvane.example/detail/dc_172545.html", from, to),
              "http://127.0.0.1:9/kb/detail/dc_172545.html");
    EXPECT_EQ(RebaseAddress("https://support.halvane.example?q=1", from, to),
              "http://127.0.0.1:9/kb?q=1");
    EXPECT_EQ(RebaseAddress("https://support.halvane.example.evil/x", from, to),
              "https://support.halvane.example.evil/x");
    EXPECT_EQ(RebaseAddress("https://other.example/", from, to), "https://other.example/");
    EXPECT_EQ(RebaseAddress("https://support.halvane.example/x", "", to),
              "https://support.halvane.example/x");
}

} // namespace
