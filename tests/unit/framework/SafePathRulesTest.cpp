#include "framework/SafePathRules.h"

#include <gtest/gtest.h>

#include <string>

namespace halvane::fw {
namespace {

TEST(SafePathRules, OnlyPlainEntriesOfTheKindAskedForAreUsable) {
    constexpr std::uint32_t kFile = 0x20;
    constexpr std::uint32_t kDir = kAttributeDirectory;
    constexpr std::uint32_t kLink = kAttributeReparsePoint;
    struct Case {
        std::uint32_t attributes, links;
        EntryKind kind;
        bool usable;
    };
    const Case cases[] = {
        {kFile, 1, EntryKind::File, true},           {kFile | kLink, 1, EntryKind::File, false},
        {kFile, 2, EntryKind::File, false},          {kFile, 0, EntryKind::File, false},
        {kDir, 1, EntryKind::File, false},           {kDir, 3, EntryKind::Folder, true},
        {kDir | kLink, 1, EntryKind::Folder, false}, {kFile, 1, EntryKind::Folder, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsUsableEntry(c.attributes, c.links, c.kind), c.usable)
            << c.attributes << " " << c.links << " " << static_cast<int>(c.kind);
}

TEST(SafePathRules, PlainChildNamesStayInTheirFolder) {
    for (const std::wstring name : {L"霁衡.txt", L"霁衡.txtbak", L".hidden", L"..."})
        EXPECT_TRUE(IsPlainChildName(name)) << testing::PrintToString(name);
    for (const std::wstring& name : std::initializer_list<std::wstring>{
             L"", L".", L"..", L"..\\x.txt", L"a/x.txt", L"C:x.txt", L"x.txt:stream", L"tab\there",
             std::wstring(L"a\0b", 3)})
        EXPECT_FALSE(IsPlainChildName(name)) << testing::PrintToString(name);
}

TEST(SafePathRules, FinalPathsAreComparedInTheirOrdinaryForm) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"\\\\?\\C:\\ProgramData\\ToolLog\\", L"C:\\ProgramData\\ToolLog"},
        {L"C:\\ProgramData\\ToolLog\\\\", L"C:\\ProgramData\\ToolLog"},
        {L"\\\\?\\UNC\\server\\share\\data", L"\\\\server\\share\\data"},
        {L"\\\\server\\share\\data", L"\\\\server\\share\\data"},
        {L"\\\\?\\C:\\", L"C:\\"},
        {L"", L""},
    };
    for (const auto& [path, ordinary] : cases)
        EXPECT_EQ(OrdinaryPathForm(path), ordinary) << testing::PrintToString(path);
    EXPECT_EQ(ChildPath(L"C:\\ToolLog", L"a.txt"), L"C:\\ToolLog\\a.txt");
    EXPECT_EQ(ChildPath(L"C:\\", L"a.txt"), L"C:\\a.txt");
}

} // namespace
} // namespace halvane::fw
