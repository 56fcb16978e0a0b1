#include "win/support/LinkTrap.h"

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

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

constexpr long kLinuxUnlink = 87;
constexpr long kLinuxSymlink = 88;

bool MakeJunction(const std::wstring& link, const std::wstring& target) {
    if (!::CreateDirectoryW(link.c_str(), nullptr))
        return false;
    HANDLE h = ::CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    // REPARSE_DATA_BUFFER of a mount point: tag, sizes, then "\??\target" NUL "target" NUL.
    const std::wstring substitute = L"\\??\\" + target;
    const std::size_t names = (substitute.size() + 1 + target.size() + 1) * sizeof(wchar_t);
    std::vector<unsigned char> buffer(16 + names);
    const auto put16 = [&buffer](std::size_t at, std::size_t v) {
        const auto value = static_cast<unsigned short>(v);
        std::memcpy(buffer.data() + at, &value, sizeof value);
    };
    const unsigned long tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::memcpy(buffer.data(), &tag, sizeof tag);
    put16(4, buffer.size() - 8);
    put16(8, 0);
    put16(10, substitute.size() * sizeof(wchar_t));
    put16(12, (substitute.size() + 1) * sizeof(wchar_t));
    put16(14, target.size() * sizeof(wchar_t));
    std::memcpy(buffer.data() + 16, substitute.c_str(), substitute.size() * sizeof(wchar_t));
    std::memcpy(buffer.data() + 16 + (substitute.size() + 1) * sizeof(wchar_t), target.c_str(),
                target.size() * sizeof(wchar_t));
    DWORD returned = 0;
    const BOOL ok =
        ::DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buffer.data(),
                          static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
    ::CloseHandle(h);
    return ok != FALSE;
}

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
    if (folder)
        return MakeJunction(link, target);
    return ::CreateSymbolicLinkW(link.c_str(), target.c_str(),
                                 SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != FALSE;
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
