#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/AgreementText.h"

namespace halvane {
namespace {

struct Section {
    const wchar_t* heading;
    int paragraphs;
    std::vector<std::pair<int, int>> items; // paragraph number, lettered items under it
};

const Section kSections[] = {
    {L"一. 知识产权声明", 2, {}},   {L"二. 软件授权范围", 2, {}},
    {L"三. 用户使用须知", 6, {{1, 7}}}, {L"四. 隐私权保护", 7, {{3, 3}, {4, 5}, {5, 4}}},
    {L"五. 法律责任与免责", 7, {}}, {L"六. 其他条款", 2, {}},
};

// Walks the text line by line (only CR LF ends a line, and none ends the text).
TEST(AgreementTextTest, FollowsTheFixedStructure) {
    const std::wstring text = BuildAgreementText();
    ASSERT_NE(text.substr(text.size() - 2), L"\r\n");
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));

    std::size_t at = 0;
    auto next = [&]() -> std::wstring { return at < lines.size() ? lines[at++] : L"<end>"; };
    // An indented line opening with `marker` and text after it.
    auto expectBody = [&](const std::wstring& marker) {
        const std::wstring line = next();
        EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring::npos);
        EXPECT_EQ(line.compare(0, 4 + marker.size(), L"    " + marker), 0)
            << testing::PrintToString(line);
        EXPECT_GT(line.size(), 8 + marker.size());
        EXPECT_NE(line[4], L' ');
    };
    EXPECT_EQ(next(), L"岚拓服务工具使用许可协议");
    EXPECT_EQ(next(), L"");
    EXPECT_EQ(next(), L"重要须知");
    for (int i = 0; i < 3; ++i)
        expectBody(L"");
    for (const Section& section : kSections) {
        EXPECT_EQ(next(), L"");
        EXPECT_EQ(next(), section.heading);
        for (int n = 1; n <= section.paragraphs; ++n) {
            expectBody(std::to_wstring(n) + L".");
            for (const auto& [under, count] : section.items)
                for (int i = 0; under == n && i < count; ++i)
                    expectBody(std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L".");
        }
    }
    EXPECT_EQ(at, lines.size()) << "lines after the last section";
}

} // namespace
} // namespace halvane
