#include "app/RemoveToolFolder.h"

#include "app/SelfRemovalRules.h"
#include "framework/KernelHandles.h"
#include "framework/LongPath.h"
#include "framework/ModulePath.h"
#include "framework/SystemLibrary.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <new>
#include <string>

namespace halvane {

namespace {

// The longest folder the plain form allows (room for an 8.3 name below it).
constexpr std::size_t kLongestPlainFolder = 248;

std::wstring WindowsFolder() {
    wchar_t path[MAX_PATH] = {};
    const UINT n = ::GetSystemWindowsDirectoryW(path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

// Full path with . and .. resolved, short names made long, all upper case: the form in which
// two spellings of one folder compare equal.
std::wstring ComparableForm(const std::wstring& path) {
    if (path.empty())
        return {};
    DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return {};
    std::wstring full(n, L'\0');
    n = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (n == 0 || n >= full.size())
        return {};
    full.resize(n);
    // Fails for a place that does not exist; its full form is then the best there is.
    n = ::GetLongPathNameW(full.c_str(), nullptr, 0);
    if (n > 0) {
        std::wstring longer(n, L'\0');
        const DWORD m = ::GetLongPathNameW(full.c_str(), longer.data(), n);
        if (m > 0 && m < n) {
            longer.resize(m);
            full.swap(longer);
        }
    }
    ::CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
    return full;
}

struct RegistryKeyTraits : fw::NullHandleTraits<HKEY> {
    static void Free(HKEY key) noexcept { ::RegCloseKey(key); }
};
using RegistryKey = fw::UniqueHandle<RegistryKeyTraits>;

constexpr wchar_t kProfileList[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

void Add(std::vector<std::wstring>& places, const std::wstring& path) {
    if (!path.empty())
        places.push_back(ComparableForm(path));
}

// token: null for this process's user.
std::wstring KnownFolder(REFKNOWNFOLDERID id, HANDLE token) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, token, &path)) && path)
        result = path;
    ::CoTaskMemFree(path);
    return result;
}

std::wstring Variable(const wchar_t* name) {
    std::wstring value(32768, L'\0');
    const DWORD n = ::GetEnvironmentVariableW(name, value.data(), 32768);
    value.resize(n > 0 && n < 32768 ? n : 0);
    return value;
}

// A string value, REG_EXPAND_SZ expanded; empty when missing or of another type.
std::wstring RegistryText(HKEY key, const wchar_t* subKey, const wchar_t* name) {
    std::wstring value(32768, L'\0');
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (::RegGetValueW(key, subKey, name, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS)
        return {};
    const std::size_t end = value.find(L'\0');
    value.resize(end == std::wstring::npos ? 0 : end);
    return value;
}

// The folders of a user's own: their profile, and the shell folders that may lie elsewhere.
void AddUserFolders(RefusedPlaces& refused, HANDLE token) {
    Add(refused.profiles, KnownFolder(FOLDERID_Profile, token));
    for (const KNOWNFOLDERID* id :
         {&FOLDERID_Desktop, &FOLDERID_Downloads, &FOLDERID_Documents, &FOLDERID_Pictures,
          &FOLDERID_Music, &FOLDERID_Videos, &FOLDERID_LocalAppData, &FOLDERID_RoamingAppData})
        Add(refused.places, KnownFolder(*id, token));
}

// Every profile the system lists (other users', the service accounts', Public, Default) and
// the folder that holds them.
void AddListedProfiles(RefusedPlaces& refused) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProfileList, 0, KEY_READ | KEY_WOW64_64KEY, &raw) !=
        ERROR_SUCCESS)
        return;
    const RegistryKey list(raw);
    Add(refused.profileRoots, RegistryText(list.Get(), nullptr, L"ProfilesDirectory"));
    Add(refused.profiles, RegistryText(list.Get(), nullptr, L"Public"));
    Add(refused.profiles, RegistryText(list.Get(), nullptr, L"Default"));
    Add(refused.places, RegistryText(list.Get(), nullptr, L"ProgramData"));
    for (DWORD i = 0;; ++i) {
        wchar_t name[256] = {};
        DWORD length = 256;
        const LONG r =
            ::RegEnumKeyExW(list.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        // A name too long for a SID is no profile; any other failure ends the list.
        if (r == ERROR_MORE_DATA)
            continue;
        if (r != ERROR_SUCCESS)
            break;
        Add(refused.profiles, RegistryText(list.Get(), name, L"ProfileImagePath"));
    }
}

// The token of the user who owns the desktop shell: the process of the shell's window, else of
// the taskbar (Wine has no shell window). Empty when neither can be read.
fw::KernelHandle ShellUserToken() {
    HWND shell = ::GetShellWindow();
    if (shell == nullptr)
        shell = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    DWORD processId = 0;
    if (shell == nullptr || ::GetWindowThreadProcessId(shell, &processId) == 0 || processId == 0)
        return {};
    const fw::KernelHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    HANDLE token = nullptr;
    // SHGetKnownFolderPath wants query and impersonation rights on another user's token.
    if (!process || !::OpenProcessToken(process.Get(),
                                        TOKEN_QUERY | TOKEN_IMPERSONATE | TOKEN_DUPLICATE, &token))
        return {};
    return fw::KernelHandle(token);
}

// The folder as rmdir gets it. A folder too long for the plain form is given by its short name
// when that fits (Wine's cmd removes nothing longer), else by its \\?\ form.
std::wstring RmdirForm(const std::wstring& folder) {
    if (folder.size() < kLongestPlainFolder)
        return folder;
    const std::wstring extended = fw::LongPathForm(folder, 0);
    const DWORD n = ::GetShortPathNameW(extended.c_str(), nullptr, 0);
    if (n > 0) {
        std::wstring shortName(n, L'\0');
        const DWORD m = ::GetShortPathNameW(extended.c_str(), shortName.data(), n);
        shortName.resize(m < n ? m : 0);
        // GetShortPathNameW keeps the \\?\ form it was given; the plain one is wanted.
        if (shortName.compare(0, 8, L"\\\\?\\UNC\\") == 0)
            shortName.replace(0, 8, L"\\\\");
        else if (shortName.compare(0, 4, L"\\\\?\\") == 0)
            shortName.erase(0, 4);
        if (!shortName.empty() && shortName.size() < kLongestPlainFolder)
            return shortName;
    }
    return fw::LongPathForm(folder, kLongestPlainFolder);
}

// The folder's parent: any profile root holds the profiles beside this one.
std::wstring ParentOf(const std::wstring& folder) {
    const std::size_t slash = folder.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
}

} // namespace

RefusedPlaces ProtectedPlaces() {
    RefusedPlaces refused;
    std::vector<std::wstring>& places = refused.places;
    Add(places, WindowsFolder());
    Add(places, fw::SystemFolder());
    for (const KNOWNFOLDERID* id :
         {&FOLDERID_Windows, &FOLDERID_ProgramFiles, &FOLDERID_ProgramFilesX86,
          &FOLDERID_ProgramFilesX64, &FOLDERID_ProgramFilesCommon, &FOLDERID_ProgramFilesCommonX86,
          &FOLDERID_ProgramData, &FOLDERID_PublicDesktop, &FOLDERID_PublicDownloads,
          &FOLDERID_PublicDocuments})
        Add(places, KnownFolder(*id, nullptr));
    Add(refused.profiles, KnownFolder(FOLDERID_Public, nullptr));
    Add(refused.profileRoots, KnownFolder(FOLDERID_UserProfiles, nullptr));
    AddUserFolders(refused, nullptr);
    if (const fw::KernelHandle shellUser = ShellUserToken())
        AddUserFolders(refused, shellUser.Get());
    AddListedProfiles(refused);
    // The same places as the environment names them (a 32-bit process sees the x86 folder as
    // ProgramFiles; ProgramW6432 names the 64-bit one).
    for (const wchar_t* name :
         {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432", L"ProgramData",
          L"ALLUSERSPROFILE", L"SystemRoot", L"windir", L"TEMP", L"TMP"})
        Add(places, Variable(name));
    Add(refused.profiles, Variable(L"USERPROFILE"));
    Add(refused.profiles, Variable(L"PUBLIC"));
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, temp);
    if (n > 0 && n <= MAX_PATH)
        Add(places, temp);
    Add(places, ParentOf(ComparableForm(KnownFolder(FOLDERID_Profile, nullptr))));
    return refused;
}

RemovalStart StartToolFolderRemoval() noexcept {
    try {
        // A cut path would name a parent of the tool's folder: then remove nothing.
        const std::wstring folder = fw::ModuleFolder();
        if (folder.empty())
            return RemovalStart::PathUnread;
        const std::wstring comparable = ComparableForm(folder);
        if (!MayRemoveFolder(comparable, ProtectedPlaces()))
            return RemovalStart::Refused;

        const std::wstring system = fw::SystemFolder();
        const std::wstring windows = WindowsFolder();
        if (system.empty() || windows.empty())
            return RemovalStart::NotStarted;
        const std::wstring cmd = system + L"\\cmd.exe";
        std::wstring line = RemovalCommandLine(cmd);
        // The folder as the executable's path names it, so rmdir reaches exactly this one.
        std::wstring environment = RemovalEnvironment(RmdirForm(folder), windows, system);

        STARTUPINFOW si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION pi = {};
        // Started from the system folder: a cmd whose current folder is the tool's folder
        // cannot remove it. No handles are inherited, so nothing of ours keeps it waiting.
        if (!::CreateProcessW(cmd.c_str(), line.data(), nullptr, nullptr, FALSE,
                              CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, environment.data(),
                              system.c_str(), &si, &pi))
            return RemovalStart::NotStarted;
        const fw::KernelHandle process(pi.hProcess);
        const fw::KernelHandle thread(pi.hThread);
        return RemovalStart::Started;
    } catch (const std::bad_alloc&) {
        return RemovalStart::NotStarted;
    }
}

int RemoveToolFolder() noexcept {
    StartToolFolderRemoval();
    return 1;
}

} // namespace halvane
