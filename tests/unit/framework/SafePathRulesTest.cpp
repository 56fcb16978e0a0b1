#include "framework/SafePathRules.h"

#include <gtest/gtest.h>

#include <string>

namespace halvane::fw {
namespace {

TEST(SafePathRules, OnlyPlainEntriesOfTheKindAskedForAreUsable) {
    constexpr std::uint32_t kNormal = 0x80;
    constexpr std::uint32_t kArchive = 0x20;
    struct Case {
        const char* what;
        std::uint32_t attributes;
        std::uint32_t links;
        EntryKind kind;
        bool usable;
    };
    const Case cases[] = {
        {"plain file", kArchive, 1, EntryKind::File, true},
        {"plain file, normal", kNormal, 1, EntryKind::File, true},
        {"file that is a symbolic link", kArchive | kAttributeReparsePoint, 1, EntryKind::File,
         false},
        {"file with a second name", kArchive, 2, EntryKind::File, false},
        {"file that reports no name", kArchive, 0, EntryKind::File, false},
        {"folder where a file is wanted", kAttributeDirectory, 1, EntryKind::File, false},
        {"plain folder", kAttributeDirectory, 1, EntryKind::Folder, true},
        {"folder, link count not looked at", kAttributeDirectory, 3, EntryKind::Folder, true},
        {"junction", kAttributeDirectory | kAttributeReparsePoint, 1, EntryKind::Folder, false},
        {"file where a folder is wanted", kArchive, 1, EntryKind::Folder, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsUsableEntry(c.attributes, c.links, c.kind), c.usable) << c.what;
}

TEST(SafePathRules, PlainChildNamesStayInTheirFolder) {
    struct Case {
        std::wstring name;
        bool plain;
    };
    const Case cases[] = {
        {L"霁衡.txt", true},
        {L"霁衡.txtbak", true},
        {L"CustomerFeedbackInfo.tmp", true},
        {L".hidden", true},
        {L"...", true},
        {L"", false},
        {L".", false},
        {L"..", false},
        {L"..\\escape.txt", false},
        {L"sub\\file.txt", false},
        {L"sub/file.txt", false},
        {L"C:file.txt", false},
        {L"file.txt:stream", false},
        {L"tab\there", false},
        {std::wstring(L"nul\0byte", 8), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPlainChildName(c.name), c.plain) << testing::PrintToString(c.name);
}

TEST(SafePathRules, FinalPathsAreComparedInTheirOrdinaryForm) {
    struct Case {
        std::wstring path;
        std::wstring ordinary;
    };
    const Case cases[] = {
        {L"\\\\?\\C:\\ProgramData\\ToolLog", L"C:\\ProgramData\\ToolLog"},
        {L"\\\\?\\C:\\ProgramData\\ToolLog\\", L"C:\\ProgramData\\ToolLog"},
        {L"C:\\ProgramData\\ToolLog\\\\", L"C:\\ProgramData\\ToolLog"},
        {L"\\\\?\\UNC\\server\\share\\data", L"\\\\server\\share\\data"},
        {L"\\\\server\\share\\data", L"\\\\server\\share\\data"},
        {L"\\\\?\\C:\\", L"C:\\"},
        {L"C:", L"C:\\"},
        {L"relative\\ToolLog\\", L"relative\\ToolLog"},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OrdinaryPathForm(c.path), c.ordinary) << testing::PrintToString(c.path);

    EXPECT_EQ(ChildPath(L"C:\\ProgramData\\ToolLog", L"霁衡.txt"),
              L"C:\\ProgramData\\ToolLog\\霁衡.txt");
    EXPECT_EQ(ChildPath(L"C:\\", L"a.txt"), L"C:\\a.txt");
}

} // namespace
} // namespace halvane::fw
