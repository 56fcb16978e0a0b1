// The removal probe is copied into folders with awkward names, a long path and places that must
// stay (other users' profile folders and the Public ones among them); after it ends, the folders
// that may go are gone (foreign files too) and every decoy beside them, and every refused place,
// is still there.
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

std::wstring ShortForm(const std::wstring& path) {
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD n = ::GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(shortPath, n) : std::wstring();
}

// A profile of another user that only the system's profile list names (outside the profiles
// folder, its path to be expanded), for as long as the object lives.
class ListedProfile {
public:
    static constexpr wchar_t kKey[] =
        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-0-0-0-4242";

    explicit ListedProfile(const std::wstring& unexpandedPath) {
        const auto bytes = static_cast<DWORD>((unexpandedPath.size() + 1) * sizeof(wchar_t));
        m_listed = ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"ProfileImagePath", REG_EXPAND_SZ,
                                     unexpandedPath.c_str(), bytes) == ERROR_SUCCESS;
    }
    ListedProfile(const ListedProfile&) = delete;
    ListedProfile& operator=(const ListedProfile&) = delete;
    ~ListedProfile() { ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }
    bool Listed() const { return m_listed; }

private:
    bool m_listed = false;
};

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
    // Another user's profile in the profiles folder, and one the profile list alone names.
    const std::wstring profiles = KnownFolder(FOLDERID_UserProfiles);
    const std::wstring other = profiles + L"\\halvane-other-user";
    const std::wstring listed = kBase + L"\\listed-profile";
    const ListedProfile listing(L"%SystemDrive%\\halvane-removal\\listed-profile");
    ASSERT_TRUE(listing.Listed());
    const std::wstring publicDesktop = KnownFolder(FOLDERID_PublicDesktop);
    ASSERT_FALSE(profiles.empty());
    ASSERT_FALSE(publicDesktop.empty());
    MakeFolders(other + L"\\Downloads");
    const std::wstring otherDownloadsShort = ShortForm(other + L"\\Downloads");
    ASSERT_NE(otherDownloadsShort.find(L'~'), std::wstring::npos)
        << testing_win::Narrow(otherDownloadsShort);

    const std::vector<Case> cases = {
        // Refused first: had one of them started a removal, it acts before the others are gone.
        {rootDrive, false, {}},
        {KnownFolder(FOLDERID_Downloads), false, {}},
        {KnownFolder(FOLDERID_Profile), false, {}},
        {Variable(L"ProgramData"), false, {}},
        {other + L"\\Desktop", false, {}},
        {otherDownloadsShort, false, {}},
        {other + L"\\Halvane", false, {}},
        {listed + L"\\Desktop", false, {}},
        {publicDesktop, false, {}},
        {profiles + L"\\Public\\Downloads", false, {}},
        // One level deeper the folder is the tool's own.
        {other + L"\\Desktop\\Halvane", true, {other + L"\\Desktop\\keep"}},
        {listed + L"\\Desktop\\霁衡", true, {listed + L"\\Desktop\\keep"}},
        {publicDesktop + L"\\Halvane", true, {publicDesktop + L"\\keep"}},
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
    RemoveTree(publicDesktop + L"\\keep");
    RemoveTree(other);
    RemoveTree(kBase);
}

} // namespace
