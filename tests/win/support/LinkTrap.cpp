#include "win/support/LinkTrap.h"

#include <windows.h>

#include "framework/SafeFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace testing_win {

namespace {

constexpr char kBait[] = "bait: never to be written by the tool\r\n";

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The prefix's Unix name of a Windows path (the last part need not exist); empty outside Wine.
std::string UnixPath(const std::wstring& path) {
    using Fn = char*(CDECL*)(const wchar_t*);
    const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = fn != nullptr ? fn(path.c_str()) : nullptr;
    if (name == nullptr)
        return std::string();
    std::string result(name);
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

// Wine runs this x86_64 code in a Linux process, so the kernel takes the call directly.
long LinuxCall(long number, const char* first, const char* second) {
#if defined(__x86_64__)
    long result = 0;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(number), "D"(first), "S"(second)
                 : "rcx", "r11", "memory");
    return result;
#else
    (void)number;
    (void)first;
    (void)second;
    return -1; // the 32-bit tests are built, never run
#endif
}

const LinkTrap* g_armed = nullptr;

void SwapArmedFolder(const std::wstring& folderPath) {
    if (const LinkTrap* trap = g_armed) {
        g_armed = nullptr;
        halvane::fw::testing_hooks::SetBeforeFileOpen(nullptr);
        std::wstring folder = folderPath;
        while (!folder.empty() && folder.back() == L'\\')
            folder.pop_back();
        trap->SwapFolder(folder);
    }
}

constexpr long kLinuxUnlink = 87;
constexpr long kLinuxSymlink = 88;

} // namespace

bool RunningUnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

bool PlantLink(const std::wstring& link, const std::wstring& target, bool folder) {
    if (RunningUnderWine()) {
        const std::string unixLink = UnixPath(link);
        const std::string unixTarget = UnixPath(target);
        return !unixLink.empty() && !unixTarget.empty() &&
               LinuxCall(kLinuxSymlink, unixTarget.c_str(), unixLink.c_str()) == 0;
    }
    const DWORD kind = folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0;
    return ::CreateSymbolicLinkW(link.c_str(), target.c_str(),
                                 kind | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != FALSE;
}

bool RemoveLink(const std::wstring& link, bool folder) {
    if (RunningUnderWine()) {
        const std::string unixLink = UnixPath(link);
        return !unixLink.empty() && LinuxCall(kLinuxUnlink, unixLink.c_str(), nullptr) == 0;
    }
    return (folder ? ::RemoveDirectoryW(link.c_str()) : ::DeleteFileW(link.c_str())) != FALSE;
}

LinkTrap::LinkTrap(std::wstring folder) : m_folder(std::move(folder)) {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
    std::filesystem::create_directories(m_folder, ignored);
    std::ofstream(std::filesystem::path(Bait()), std::ios::binary) << kBait;
}

LinkTrap::~LinkTrap() {
    if (g_armed == this) {
        g_armed = nullptr;
        halvane::fw::testing_hooks::SetBeforeFileOpen(nullptr);
    }
    for (const auto& [link, folder] : m_links)
        RemoveLink(link, folder);
}

bool LinkTrap::AddLink(const std::wstring& link, const std::wstring& target, bool folder) const {
    if (!PlantLink(link, target, folder))
        return false;
    m_links.emplace_back(link, folder);
    return true;
}

bool LinkTrap::Plant(Planted what, const std::wstring& folder, const std::wstring& name) const {
    if (what == Planted::FolderLink)
        return AddLink(folder, m_folder, true);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::wstring file = folder + L"\\" + name;
    switch (what) {
    case Planted::FileLink:
        return AddLink(file, Bait(), false);
    case Planted::DanglingLink:
        return AddLink(file, Absent(), false);
    case Planted::HardLink:
        return ::CreateHardLinkW(file.c_str(), Bait().c_str(), nullptr) != FALSE;
    default:
        return !error;
    }
}

bool LinkTrap::SwapFolder(const std::wstring& folder) const {
    return ::MoveFileExW(folder.c_str(), (folder + L".real").c_str(), 0) &&
           AddLink(folder, m_folder, true);
}

void LinkTrap::ArmSwap() const {
    g_armed = this;
    halvane::fw::testing_hooks::SetBeforeFileOpen(&SwapArmedFolder);
}

bool LinkTrap::SwapPending() const {
    return g_armed == this;
}

std::string LinkTrap::Disturbance() const {
    std::string found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        if (entry.path().filename() != L"bait.txt")
            found += "new entry " + entry.path().filename().u8string() + "; ";
    }
    const std::string bait = ReadAll(Bait());
    if (bait != kBait)
        found += "bait.txt now holds " + std::to_string(bait.size()) + " bytes";
    return found;
}

} // namespace testing_win
