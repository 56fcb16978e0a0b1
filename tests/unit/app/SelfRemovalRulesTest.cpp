#include "app/SelfRemovalRules.h"
#include "framework/LongPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvane {
namespace {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// clang-format off
// As the Win32 side finds them (upper-cased, long names).
const RefusedPlaces kPlaces = {{
    L"C:\\WINDOWS",           L"C:\\WINDOWS\\SYSTEM32",      L"C:\\PROGRAM FILES",
    L"C:\\PROGRAM FILES (X86)", L"C:\\PROGRAMDATA",          L"C:\\USERS",
    L"C:\\USERS\\ME",         L"C:\\USERS\\ME\\DESKTOP",     L"D:\\DATA\\DOWNLOADS",
    L"C:\\USERS\\ME\\APPDATA\\LOCAL\\TEMP", L"not a path",
}, {}, {}};
// clang-format on

TEST(MayRemoveFolder, RefusesRootsProtectedPlacesAndTheirAncestors) {
    struct Row {
        const wchar_t* folder;
        bool mayRemove;
    };
    // clang-format off
    const Row rows[] = {
        // Drive roots and shares, however spelled.
        {L"C:\\", false}, {L"D:", false}, {L"d:\\\\", false}, {L"\\\\?\\C:\\", false},
        {L"\\\\server\\share", false}, {L"\\\\?\\UNC\\server\\share\\", false},
        // The places themselves, in other case, with trailing backslashes or \\?\.
        {L"C:\\Windows", false}, {L"c:\\program files (x86)\\", false},
        {L"\\\\?\\C:\\ProgramData", false}, {L"C:/Users/me", false},
        {L"d:\\data\\downloads", false}, {L"C:\\Users\\me\\AppData\\Local\\Temp", false},
        // Ancestors of a place.
        {L"C:\\Users", false}, {L"C:\\users\\", false}, {L"D:\\Data", false},
        {L"C:\\Users\\me\\AppData", false},
        // Unreadable or relative texts fail closed.
        {L"", false}, {L"tool", false}, {L"C:tool", false}, {L"C:\\a\\..\\Windows", false},
        {L"C:\\a\\.\\b", false}, {L"C:\\a\\\\b", false}, {L"\\\\server", false},
        {L"\\\\.\\C:\\tool", false},
        // Folders below a place, or beside one, may go.
        {L"C:\\Users\\me\\Desktop\\tool", true}, {L"C:\\tools\\霁衡", true},
        {L"C:\\Program Files (x86)\\Halvane", true}, {L"C:\\Windowsx", true},
        {L"C:\\Users\\me2", true}, {L"\\\\?\\C:\\tools\\霁衡 工具 (1)\\", true},
        {L"\\\\server\\share\\tool", true}, {L"\\\\?\\UNC\\server\\share\\tool", true},
        {L"D:\\Data\\Downloads\\tool", true}, {L"C:\\x ^ y\\%HALVANE_DECOY% 100%!", true},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(MayRemoveFolder(row.folder, kPlaces), row.mayRemove) << Narrow(row.folder);
}

TEST(MayRemoveFolder, RefusesEveryProfileAndEveryFolderDirectlyInsideOne) {
    // clang-format off
    // Lists as the Win32 side may gather them: any case, trailing backslashes, \\?\ forms, a
    // profile that lives outside the profiles folder, one unreadable entry.
    const RefusedPlaces lists[] = {
        {{}, {L"C:\\Users\\Public", L"d:\\home\\Other\\", L"\\\\?\\C:\\USERS\\ADMIN"},
         {L"C:\\Users"}},
        {{}, {L"\\\\?\\c:\\users\\public\\", L"D:/Home/other", L"relative\\me"},
         {L"\\\\?\\C:\\USERS\\"}},
    };
    struct Row {
        const wchar_t* folder;
        bool mayRemove;
    };
    const Row rows[] = {
        // The profiles folder, every profile in it (listed or not), and what lies directly inside.
        {L"C:\\Users", false}, {L"C:\\Users\\Public", false}, {L"C:\\Users\\bob", false},
        {L"c:\\users\\bob\\desktop\\", false}, {L"\\\\?\\C:\\Users\\bob\\Downloads", false},
        {L"C:\\Users\\Public\\Desktop", false}, {L"C:/Users/Public/Downloads/", false},
        {L"C:\\Users\\Public\\Documents", false}, {L"C:\\Users\\admin\\Halvane", false},
        {L"C:\\Users\\Default\\Desktop", false},
        // A profile outside the profiles folder, its folders and what holds it.
        {L"D:\\Home\\Other", false}, {L"d:\\home\\other\\Desktop", false},
        {L"D:\\Home", false}, {L"\\\\?\\D:\\HOME\\OTHER\\DOCUMENTS\\", false},
        // One level deeper is the tool's own folder: it goes, whatever it holds.
        {L"C:\\Users\\bob\\Desktop\\Halvane", true},
        {L"C:\\Users\\Public\\Desktop\\霁衡", true},
        {L"\\\\?\\C:\\Users\\Public\\Downloads\\Halvane\\", true},
        {L"D:\\Home\\Other\\Desktop\\Halvane", true},
        {L"C:\\Users\\bob\\Desktop\\a\\b", true},
        // Beside the places.
        {L"D:\\Home\\Others", true}, {L"D:\\Homes\\Other\\x", true},
        {L"C:\\Usersx\\bob", true}, {L"E:\\Users\\bob", true},
        {L"C:\\tools\\Halvane", true}, {L"\\\\srv\\share\\Users\\bob", true},
    };
    // clang-format on
    for (const RefusedPlaces& refused : lists) {
        for (const Row& row : rows)
            EXPECT_EQ(MayRemoveFolder(row.folder, refused), row.mayRemove)
                << Narrow(row.folder) << " with profiles " << Narrow(refused.profiles[1]);
    }
    // Without the lists the same folders are ordinary ones.
    EXPECT_TRUE(MayRemoveFolder(L"C:\\Users\\Public\\Desktop", {}));
    EXPECT_TRUE(MayRemoveFolder(L"D:\\Home\\Other\\Desktop", {}));
}

TEST(MayRemoveFolder, ProfileRootsAtADriveRootOrShareStillLeaveDeeperFolders) {
    const RefusedPlaces refused = {{}, {L"\\\\srv\\share\\me"}, {L"E:\\"}};
    struct Row {
        const wchar_t* folder;
        bool mayRemove;
    };
    // clang-format off
    const Row rows[] = {
        {L"E:\\bob", false}, {L"E:\\bob\\Desktop", false}, {L"E:\\bob\\Desktop\\Halvane", true},
        {L"\\\\srv\\share\\me\\Desktop", false}, {L"\\\\?\\UNC\\SRV\\SHARE\\ME\\x", false},
        {L"\\\\srv\\share\\me\\Desktop\\tool", true}, {L"\\\\srv\\share\\you", true},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(MayRemoveFolder(row.folder, refused), row.mayRemove) << Narrow(row.folder);
}

TEST(NormaliseFolder, OneSpellingPerFolder) {
    EXPECT_EQ(NormaliseFolder(L"\\\\?\\c:\\Tools\\a/b\\\\"), L"C:\\TOOLS\\A\\B");
    EXPECT_EQ(NormaliseFolder(L"\\\\?\\UNC\\srv\\Share\\x"), L"\\\\SRV\\SHARE\\X");
    EXPECT_EQ(NormaliseFolder(L"C:\\霁衡"), L"C:\\霁衡");
    EXPECT_EQ(NormaliseFolder(L"C:\\"), L"C:");
}

TEST(RemovalCommand, WaitsThenRemovesTheFolderOnlyThroughDelayedExpansion) {
    EXPECT_EQ(RemovalCommandLine(L"C:\\Windows\\system32\\cmd.exe"),
              L"\"C:\\Windows\\system32\\cmd.exe\" /D /V:ON /C timeout /t 3 /nobreak & "
              L"rmdir /s /q \"!HALVANE_TOOL_FOLDER!\"");
}

TEST(RemovalCommand, EnvironmentHoldsTheFolderAndOnlyValuesNoFolderNameCanQuote) {
    const std::wstring block =
        RemovalEnvironment(L"C:\\a b & c\\%X%!", L"C:\\Windows", L"C:\\Windows\\system32");
    ASSERT_GE(block.size(), 2u);
    EXPECT_EQ(block.substr(block.size() - 2), std::wstring(2, L'\0'));
    std::vector<std::wstring> entries;
    for (std::size_t at = 0; at < block.size() - 1;) {
        const std::size_t end = block.find(L'\0', at);
        entries.push_back(block.substr(at, end - at));
        at = end + 1;
    }
    const std::vector<std::wstring> expected = {L"CD=:",
                                                L"CMDCMDLINE=:",
                                                L"CMDEXTVERSION=:",
                                                L"DATE=:",
                                                L"ERRORLEVEL=:",
                                                L"HALVANE_TOOL_FOLDER=C:\\a b & c\\%X%!",
                                                L"HIGHESTNUMANODENUMBER=:",
                                                L"PATH=C:\\Windows\\system32",
                                                L"RANDOM=:",
                                                L"SystemRoot=C:\\Windows",
                                                L"TIME=:",
                                                L"windir=C:\\Windows"};
    EXPECT_EQ(entries, expected);
}

TEST(LongPathForm, OnlyPathsTooLongForThePlainForm) {
    const std::wstring deep = L"C:\\" + std::wstring(300, L'd');
    EXPECT_EQ(fw::LongPathForm(L"C:\\tool", 260), L"C:\\tool");
    EXPECT_EQ(fw::LongPathForm(deep, 260), L"\\\\?\\" + deep);
    EXPECT_EQ(fw::LongPathForm(L"\\\\?\\" + deep, 260), L"\\\\?\\" + deep);
    EXPECT_EQ(fw::LongPathForm(L"\\\\srv\\share\\" + deep.substr(3), 260),
              L"\\\\?\\UNC\\srv\\share\\" + deep.substr(3));
}

} // namespace
} // namespace halvane
