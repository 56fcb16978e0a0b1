#include "app/RemoveToolFolder.h"

#include "app/SelfRemovalRules.h"
#include "framework/KernelHandles.h"
#include "framework/LongPath.h"
#include "framework/ModulePath.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <new>

namespace halvane {

namespace {

// The longest folder the plain form allows (room for an 8.3 name below it).
constexpr std::size_t kLongestPlainFolder = 248;

std::wstring SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryW(path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

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

void AddKnownFolder(std::vector<std::wstring>& places, REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path)
        places.push_back(ComparableForm(path));
    ::CoTaskMemFree(path);
}

void AddVariable(std::vector<std::wstring>& places, const wchar_t* name) {
    wchar_t value[32768];
    const DWORD n = ::GetEnvironmentVariableW(name, value, 32768);
    if (n > 0 && n < 32768)
        places.push_back(ComparableForm(value));
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

std::vector<std::wstring> ProtectedPlaces() {
    std::vector<std::wstring> places;
    places.push_back(ComparableForm(WindowsFolder()));
    places.push_back(ComparableForm(SystemFolder()));
    for (const KNOWNFOLDERID* id :
         {&FOLDERID_Windows, &FOLDERID_ProgramFiles, &FOLDERID_ProgramFilesX86,
          &FOLDERID_ProgramFilesX64, &FOLDERID_ProgramFilesCommon, &FOLDERID_ProgramFilesCommonX86,
          &FOLDERID_ProgramData, &FOLDERID_UserProfiles, &FOLDERID_Public, &FOLDERID_Profile,
          &FOLDERID_Desktop, &FOLDERID_Downloads, &FOLDERID_Documents, &FOLDERID_Pictures,
          &FOLDERID_Music, &FOLDERID_Videos, &FOLDERID_LocalAppData, &FOLDERID_RoamingAppData})
        AddKnownFolder(places, *id);
    // The same places as the environment names them (a 32-bit process sees the x86 folder as
    // ProgramFiles; ProgramW6432 names the 64-bit one).
    for (const wchar_t* name :
         {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432", L"ProgramData",
          L"ALLUSERSPROFILE", L"PUBLIC", L"USERPROFILE", L"SystemRoot", L"windir", L"TEMP", L"TMP"})
        AddVariable(places, name);
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, temp);
    if (n > 0 && n <= MAX_PATH)
        places.push_back(ComparableForm(temp));
    PWSTR profile = nullptr;
    if (SUCCEEDED(
            ::SHGetKnownFolderPath(FOLDERID_Profile, KF_FLAG_DONT_VERIFY, nullptr, &profile)) &&
        profile)
        places.push_back(ParentOf(ComparableForm(profile)));
    ::CoTaskMemFree(profile);
    return places;
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

        const std::wstring system = SystemFolder();
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
