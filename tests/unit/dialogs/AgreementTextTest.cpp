#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/AgreementText.h"

namespace halvane {
namespace {

const std::wstring kIndent = L"    ";

struct Section {
    const wchar_t* heading;
    int paragraphs;
    std::vector<std::pair<int, int>> items; // paragraph number, lettered items under it
};

const Section kSections[] = {
    {L"一. 知识产权声明", 2, {}},
    {L"二. 软件授权范围", 2, {}},
    {L"三. 用户使用须知", 6, {{1, 7}}},
    {L"四. 隐私权保护", 7, {{3, 3}, {4, 5}, {5, 4}}},
    {L"五. 法律责任与免责", 7, {}},
    {L"六. 其他条款", 2, {}},
};

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// The markers the body lines of a section open with, in order: "1.", "A.", ..., "2.", ...
std::vector<std::wstring> Markers(const Section& section) {
    std::vector<std::wstring> markers;
    for (int n = 1; n <= section.paragraphs; ++n) {
        markers.push_back(std::to_wstring(n) + L".");
        for (const auto& [under, count] : section.items)
            if (under == n)
                for (int i = 0; i < count; ++i)
                    markers.push_back(std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L".");
    }
    return markers;
}

// An indented line with some text after the marker.
void ExpectBodyLine(const std::wstring& line, const std::wstring& marker) {
    const std::wstring start = kIndent + marker;
    EXPECT_EQ(line.compare(0, start.size(), start), 0) << testing::PrintToString(line);
    EXPECT_GT(line.size(), start.size() + 4);
    EXPECT_NE(line[kIndent.size()], L' ');
}

TEST(AgreementTextTest, FollowsTheFixedStructure) {
    const std::wstring text = BuildAgreementText();
    // Only CR LF pairs break lines, and none ends the text.
    ASSERT_GE(text.size(), 2u);
    EXPECT_NE(text.substr(text.size() - 2), L"\r\n");
    const std::vector<std::wstring> lines = SplitLines(text);
    for (const std::wstring& line : lines)
        EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring::npos) << testing::PrintToString(line);

    std::size_t at = 0;
    auto next = [&]() -> std::wstring { return at < lines.size() ? lines[at++] : L"<end>"; };
    EXPECT_EQ(next(), L"岚拓服务工具使用许可协议");
    EXPECT_EQ(next(), L"");
    EXPECT_EQ(next(), L"重要须知");
    for (int i = 0; i < 3; ++i) {
        const std::wstring line = next();
        EXPECT_EQ(line.compare(0, 4, kIndent), 0) << "preamble " << i;
        EXPECT_NE(line[4], L' ');
        EXPECT_GT(line.size(), 20u);
    }
    for (const Section& section : kSections) {
        SCOPED_TRACE(testing::Message() << "section " << (&section - kSections));
        EXPECT_EQ(next(), L"");
        EXPECT_EQ(next(), section.heading);
        for (const std::wstring& marker : Markers(section))
            ExpectBodyLine(next(), marker);
    }
    EXPECT_EQ(at, lines.size()) << "lines after the last section";
}

TEST(AgreementTextTest, MarkersOfTheTableAreWhatTheTestWalks) {
    // The walk above is only as good as its expectations: the privacy section has 7 paragraphs
    // and 12 items, with "C." right after "3.".
    const std::vector<std::wstring> markers = Markers(kSections[3]);
    ASSERT_EQ(markers.size(), 19u);
    EXPECT_EQ(markers[2], L"3.");
    EXPECT_EQ(markers[5], L"C.");
    EXPECT_EQ(markers[18], L"7.");
}

} // namespace
} // namespace halvane
