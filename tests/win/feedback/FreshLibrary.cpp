#include "win/feedback/FreshLibrary.h"

#include "win/feedback/LibraryFixture.h"

#include <tlhelp32.h>

namespace testing_win {

namespace {

std::wstring NextFolderName() {
    static int count = 0;
    return L"fresh-" + std::to_wstring(++count);
}

template <typename Fn> Fn NtdllEntry(const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), name)));
}

using QueryThreadFn = LONG(NTAPI*)(HANDLE thread, ULONG what, void* out, ULONG size, ULONG* got);
constexpr ULONG kThreadStartAddress = 9; // ThreadQuerySetWin32StartAddress

std::size_t ImageSize(HMODULE module) {
    const auto* base = reinterpret_cast<const unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew)
        ->OptionalHeader.SizeOfImage;
}

} // namespace

FreshLibrary::FreshLibrary(const std::string& urlLines) : m_folder(NextFolderName()) {
    if (!m_folder.CopyIn(RealLibraryPath(), kLibraryName) ||
        !m_folder.WriteText(L"ArkwenFeedbackInformation.ini",
                            "[Urls]\r\n" + urlLines +
                                "[Data]\r\nFolder=" + Narrow(m_folder.File(L"data")) + "\r\n"))
        return;
    m_module = ::LoadLibraryW(m_folder.File(kLibraryName).c_str());
}

FreshLibrary::~FreshLibrary() {
    if (m_module != nullptr)
        ::FreeLibrary(m_module);
}

int FreshLibrary::Init() const {
    return Entry<feedback::InitFreedbackDllFn>("InitFreedbackDll")();
}

int FreshLibrary::IsNewVersion() const {
    return Entry<feedback::GetToolIsNewVersionFn>("GetToolIsNewVersion")(kTool, kVersion);
}

int FreshLibrary::InterNetState() const {
    return Entry<feedback::GetInterNetStateFn>("GetInterNetState")();
}

int FreshLibrary::OpenToolDownUrl() const {
    return Entry<feedback::OpenToolDownUrlFn>("OpenToolDownUrl")();
}

std::vector<halvane::fw::KernelHandle> FreshLibrary::ThreadsStartedInside() const {
    std::vector<halvane::fw::KernelHandle> threads;
    const auto query = NtdllEntry<QueryThreadFn>("NtQueryInformationThread");
    const halvane::fw::KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (m_module == nullptr || query == nullptr || snapshot.Get() == INVALID_HANDLE_VALUE)
        return threads;
    const auto begin = reinterpret_cast<std::uintptr_t>(m_module);
    const std::uintptr_t end = begin + ImageSize(m_module);
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot.Get(), &entry); more;
         more = ::Thread32Next(snapshot.Get(), &entry)) {
        if (entry.th32OwnerProcessID != ::GetCurrentProcessId())
            continue;
        halvane::fw::KernelHandle thread(
            ::OpenThread(THREAD_QUERY_INFORMATION | SYNCHRONIZE, FALSE, entry.th32ThreadID));
        std::uintptr_t start = 0;
        if (thread &&
            query(thread.Get(), kThreadStartAddress, &start, sizeof start, nullptr) >= 0 &&
            start >= begin && start < end)
            threads.push_back(std::move(thread));
    }
    return threads;
}

void FreshLibrary::Free() {
    if (m_module != nullptr)
        ::FreeLibrary(m_module);
    m_module = nullptr;
}

bool FreshLibrary::Mapped() const {
    return ::GetModuleHandleW(m_folder.File(kLibraryName).c_str()) != nullptr;
}

} // namespace testing_win
