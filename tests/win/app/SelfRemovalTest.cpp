// The removal probe is copied into folders with awkward names, a long path and places that must
// stay; after it ends, the folders that may go are gone (foreign files too) and every decoy
// beside them, and every refused place, is still there.
#include "win/feedback/CaseFolder.h"
#include "win/feedback/ChildProcess.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::wstring kBase = L"C:\\halvane-removal";

using testing_win::RemoveTree;

std::wstring Long(const std::wstring& path) {
    return testing_win::LongForm(path);
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolders(const std::wstring& path) {
    for (std::size_t at = 3; at != std::wstring::npos; at = path.find(L'\\', at + 1))
        ::CreateDirectoryW(Long(path.substr(0, at)).c_str(), nullptr);
    ::CreateDirectoryW(Long(path).c_str(), nullptr);
}

bool WriteFile(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path)))
        result = path;
    ::CoTaskMemFree(path);
    return result;
}

std::wstring Variable(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableW(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(value, n) : std::wstring();
}

struct Case {
    std::wstring folder;              // where the probe runs
    bool removed;                     // the folder goes (else it and its files stay)
    std::vector<std::wstring> decoys; // folders that must stay in every case
};

// A folder more than 260 characters deep, so the probe's own path is longer still.
std::wstring LongFolder() {
    std::wstring path = kBase + L"\\long";
    while (path.size() < 280)
        path += L"\\" + std::wstring(40, L'd');
    return path + L"\\tool";
}

TEST(RemoveToolFolder, RemovesExactlyItsOwnFolderAndRefusesPlacesThatMustStay) {
    RemoveTree(kBase);
    const std::wstring rootDrive = Variable(L"HALVANE_TEST_ROOT_DRIVE");
    ASSERT_FALSE(rootDrive.empty()) << "run through run-removal-tests.sh (maps a drive letter)";
    // What an unquoted or expanded folder text would name instead.
    ::SetEnvironmentVariableW(L"HALVANE_DECOY", L"decoy");
    const std::wstring longFolder = LongFolder();
    const std::wstring longParent = longFolder.substr(0, longFolder.rfind(L'\\'));

    const std::vector<Case> cases = {
        // Refused first: had one of them started a removal, it acts before the others are gone.
        {rootDrive, false, {}},
        {KnownFolder(FOLDERID_Downloads), false, {}},
        {KnownFolder(FOLDERID_Profile), false, {}},
        {Variable(L"ProgramData"), false, {}},
        {kBase + L"\\plain\\tool", true, {kBase + L"\\plain", kBase + L"\\plain\\tool2"}},
        {kBase + L"\\a b & c\\霁衡 工具 (1)",
         true,
         {kBase + L"\\a b", kBase + L"\\a", kBase + L"\\c", kBase + L"\\a b & c\\霁衡 工具"}},
        {kBase + L"\\x ^ y\\%HALVANE_DECOY% 100%!",
         true,
         {kBase + L"\\x", kBase + L"\\x ^ y\\decoy 100%!", kBase + L"\\x ^ y\\decoy 100"}},
        {kBase + L"\\bang\\!HALVANE_DECOY!^!",
         true,
         {kBase + L"\\bang\\decoy^!", kBase + L"\\bang\\^!", kBase + L"\\bang"}},
        {longFolder, true, {longParent, longParent + L"\\keep"}},
    };

    const std::wstring probe = testing_win::ThisExecutableFolder() + L"\\halvane_removal_probe.exe";
    for (const Case& c : cases) {
        ASSERT_FALSE(c.folder.empty());
        MakeFolders(c.folder + L"\\sub");
        for (const std::wstring& decoy : c.decoys)
            MakeFolders(decoy);
        ASSERT_TRUE(WriteFile(c.folder + L"\\foreign.txt")) << testing_win::Narrow(c.folder);
        ASSERT_TRUE(WriteFile(c.folder + L"\\sub\\foreign.txt"));
        const std::wstring copy = c.folder + L"\\removal-probe.exe";
        ASSERT_TRUE(::CopyFileW(probe.c_str(), Long(copy).c_str(), FALSE))
            << testing_win::Narrow(copy);
        const auto run = testing_win::RunProgram(copy, L"");
        ASSERT_TRUE(run.finished) << testing_win::Narrow(copy);
        EXPECT_EQ(run.output, c.removed ? "started\r\n" : "refused\r\n")
            << testing_win::Narrow(c.folder);
    }

    // Generous: the interpreter waits 3 s after each probe.
    const DWORD deadline = ::GetTickCount() + 60000;
    for (const Case& c : cases) {
        while (c.removed && Exists(c.folder) && ::GetTickCount() < deadline)
            ::Sleep(200);
    }
    // Longer than the interpreter's wait, for a removal a refused case might have started.
    ::Sleep(5000);
    for (const Case& c : cases) {
        const std::string name = testing_win::Narrow(c.folder);
        EXPECT_EQ(Exists(c.folder), !c.removed) << name;
        EXPECT_EQ(Exists(c.folder + L"\\foreign.txt"), !c.removed) << name;
        EXPECT_EQ(Exists(c.folder + L"\\sub\\foreign.txt"), !c.removed) << name;
        for (const std::wstring& decoy : c.decoys)
            EXPECT_TRUE(Exists(decoy)) << testing_win::Narrow(decoy);
        if (!c.removed) {
            ::DeleteFileW((c.folder + L"\\removal-probe.exe").c_str());
            ::DeleteFileW((c.folder + L"\\foreign.txt").c_str());
            RemoveTree(c.folder + L"\\sub");
        }
    }
    RemoveTree(kBase);
}

} // namespace
