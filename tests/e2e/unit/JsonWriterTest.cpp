// The probe's JSON text: nesting and commas, escapes, and UTF-16 window texts turned into UTF-8.
#include "tools/probe/JsonWriter.h"
#include "tools/probe/Utf8.h"

#include <gtest/gtest.h>

using probe::CJsonWriter;
using probe::Utf16ToUtf8;

TEST(JsonWriter, NestsObjectsAndArraysWithCommasOnlyBetweenItems) {
    CJsonWriter w;
    w.BeginObject();
    w.Key("windows");
    w.BeginArray();
    w.BeginObject();
    w.Key("id");
    w.Number(-1);
    w.Key("children");
    w.BeginArray();
    w.EndArray();
    w.Key("owner");
    w.Null();
    w.EndObject();
    w.BeginObject();
    w.Key("visible");
    w.Bool(false);
    w.EndObject();
    w.Number(4294967295LL);
    w.EndArray();
    w.Key("ok");
    w.Bool(true);
    w.EndObject();
    EXPECT_EQ(w.Text(), R"({"windows":[{"id":-1,"children":[],"owner":null},{"visible":false},)"
                        R"(4294967295],"ok":true})");
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
    CJsonWriter w;
    w.BeginArray();
    w.String(std::string_view("a\"b\\c\r\n\t\x01\x1f\x7f", 11));
    w.String(std::string_view("\0", 1));
    w.EndArray();
    EXPECT_EQ(w.Text(), "[\"a\\\"b\\\\c\\r\\n\\t\\u0001\\u001f\x7f\",\"\\u0000\"]");
}

TEST(JsonWriter, KeysAreEscapedToo) {
    CJsonWriter w;
    w.BeginObject();
    w.Key("a\"b");
    w.String(u"设置");
    w.EndObject();
    EXPECT_EQ(w.Text(), "{\"a\\\"b\":\"\xE8\xAE\xBE\xE7\xBD\xAE\"}");
}

TEST(Utf16ToUtf8, EncodesEachLengthClass) {
    EXPECT_EQ(Utf16ToUtf8(u"A"), "A");
    EXPECT_EQ(Utf16ToUtf8(u"\u00e9"), "\xC3\xA9");
    EXPECT_EQ(Utf16ToUtf8(u"\u07ff\u0800"), "\xDF\xBF\xE0\xA0\x80");
    EXPECT_EQ(Utf16ToUtf8(u"节能模式"), "\xE8\x8A\x82\xE8\x83\xBD\xE6\xA8\xA1\xE5\xBC\x8F");
    EXPECT_EQ(Utf16ToUtf8(u"\uffff"), "\xEF\xBF\xBF");
    EXPECT_EQ(Utf16ToUtf8(std::u16string_view(u"\0", 1)), std::string("\0", 1));
}

TEST(Utf16ToUtf8, JoinsSurrogatePairs) {
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(u"\U00010000\U0010FFFF"), "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF");
}

TEST(Utf16ToUtf8, ReplacesLoneSurrogates) {
    const std::string fffd = "\xEF\xBF\xBD";
    const char16_t high[] = {0xD83D, u'x'};
    const char16_t low[] = {u'x', 0xDE00};
    const char16_t reversed[] = {0xDE00, 0xD83D};
    const char16_t trailingHigh[] = {u'a', 0xD800};
    EXPECT_EQ(Utf16ToUtf8({high, 2}), fffd + "x");
    EXPECT_EQ(Utf16ToUtf8({low, 2}), "x" + fffd);
    EXPECT_EQ(Utf16ToUtf8({reversed, 2}), fffd + fffd);
    EXPECT_EQ(Utf16ToUtf8({trailingHigh, 2}), "a" + fffd);
}
