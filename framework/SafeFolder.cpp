#include "framework/SafeFolder.h"

#include <sddl.h>
#include <winternl.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/SafePathRules.h"

namespace halvane::fw {

namespace {

constexpr NTSTATUS kStatusObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034L);
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::atomic<void (*)(const std::wstring&)> g_beforeFileOpen{nullptr};

struct LocalFreer {
    void operator()(void* p) const noexcept { ::LocalFree(p); }
};

// Empty when the path cannot be read whole.
template <class Query> std::wstring QueryPath(Query query) {
    std::wstring text(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD n = query(text.data(), static_cast<DWORD>(text.size()));
        if (n == 0)
            return std::wstring();
        if (n < text.size()) {
            text.resize(n);
            return text;
        }
        text.resize(n + 1); // too small: n is the size needed
    }
    return std::wstring();
}

std::wstring FinalPath(HANDLE handle) {
    return OrdinaryPathForm(QueryPath([handle](wchar_t* buffer, DWORD size) {
        return ::GetFinalPathNameByHandleW(handle, buffer, size,
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }));
}

// The path as the file system would name it: absolute, with long names.
std::wstring ExpectedPath(const std::wstring& path) {
    const std::wstring full = QueryPath([&path](wchar_t* buffer, DWORD size) {
        return ::GetFullPathNameW(path.c_str(), size, buffer, nullptr);
    });
    if (full.empty())
        return std::wstring();
    const std::wstring longForm = QueryPath([&full](wchar_t* buffer, DWORD size) {
        return ::GetLongPathNameW(full.c_str(), buffer, size);
    });
    return OrdinaryPathForm(longForm.empty() ? full : longForm);
}

bool SamePath(const std::wstring& a, const std::wstring& b) noexcept {
    return !a.empty() && ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool IsUsable(HANDLE handle, EntryKind kind) noexcept {
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileInformationByHandle(handle, &info) &&
           IsUsableEntry(info.dwFileAttributes, info.nNumberOfLinks, kind);
}

NTSTATUS OpenRelative(HANDLE folder, std::wstring_view name, DWORD access, ULONG disposition,
                      HANDLE* file) noexcept {
    UNICODE_STRING text{};
    text.Buffer = const_cast<wchar_t*>(name.data());
    text.Length = text.MaximumLength = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    OBJECT_ATTRIBUTES attributes{};
    InitializeObjectAttributes(&attributes, &text, OBJ_CASE_INSENSITIVE, folder, nullptr);
    IO_STATUS_BLOCK status{};
    // FILE_OPEN_REPARSE_POINT: a link is opened itself, never followed, so the checks see it.
    return ::NtCreateFile(
        file, access, &attributes, &status, nullptr, FILE_ATTRIBUTE_NORMAL, kShareAll, disposition,
        FILE_NON_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_REPARSE_POINT, nullptr,
        0);
}

bool Truncate(HANDLE file) noexcept {
    LARGE_INTEGER start{};
    return ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

} // namespace

bool CreateGuardedFolder(const std::wstring& path) noexcept {
    PSECURITY_DESCRIPTOR raw = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kGuardedFolderSddl, SDDL_REVISION_1,
                                                                &raw, nullptr))
        return false;
    const std::unique_ptr<void, LocalFreer> descriptor(raw);
    SECURITY_ATTRIBUTES security{sizeof(security), descriptor.get(), FALSE};
    return ::CreateDirectoryW(path.c_str(), &security) != FALSE;
}

SafeFolder SafeFolder::Open(const std::wstring& path) noexcept {
    try {
        SafeFolder folder;
        if (path.empty())
            return folder;
        const std::wstring expected = ExpectedPath(path);
        if (expected.empty())
            return folder;
        FileHandle handle(::CreateFileW(
            path.c_str(), FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE, kShareAll, nullptr,
            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!handle || !IsUsable(handle.Get(), EntryKind::Folder) ||
            !SamePath(FinalPath(handle.Get()), expected))
            return folder;
        folder.m_handle = std::move(handle);
        folder.m_path = path;
        return folder;
    } catch (...) {
        return SafeFolder();
    }
}

bool SafeFolder::IsDirectlyInside(HANDLE file, std::wstring_view name) const {
    const std::wstring folder = FinalPath(m_handle.Get());
    return !folder.empty() && SamePath(FinalPath(file), ChildPath(folder, name));
}

SafeFolder::File SafeFolder::OpenFile(std::wstring_view name, DWORD access,
                                      Opening opening) const noexcept {
    File result;
    try {
        if (!m_handle || !IsPlainChildName(name))
            return result;
        if (auto hook = g_beforeFileOpen.load())
            hook(m_path);
        access |= FILE_READ_ATTRIBUTES | SYNCHRONIZE;
        HANDLE raw = nullptr;
        NTSTATUS status = OpenRelative(m_handle.Get(), name, access, FILE_OPEN, &raw);
        if (status == kStatusObjectNameNotFound) {
            if (opening == Opening::Existing) {
                result.missing = true;
                return result;
            }
            // FILE_CREATE fails on any existing name, a dangling link included.
            status = OpenRelative(m_handle.Get(), name, access, FILE_CREATE, &raw);
        }
        if (!NT_SUCCESS(status))
            return result;
        FileHandle file(raw);
        if (!IsUsable(file.Get(), EntryKind::File) || !IsDirectlyInside(file.Get(), name))
            return result;
        if (opening == Opening::EmptiedOrNew && !Truncate(file.Get()))
            return result;
        result.handle = std::move(file);
    } catch (...) {
        result.handle.Reset();
    }
    return result;
}

bool SafeFolder::Rename(std::wstring_view from, std::wstring_view to) const noexcept {
    try {
        const File source = OpenFile(from, DELETE, Opening::Existing);
        if (!source.handle)
            return false;
        {
            // Closed again before the rename: a file held open cannot be replaced. A link put
            // in its place after this check is replaced itself, never followed.
            const File target = OpenFile(to, 0, Opening::Existing);
            if (!target.handle && !target.missing)
                return false;
        }
        const std::size_t nameBytes = to.size() * sizeof(wchar_t);
        std::vector<unsigned long long> buffer(
            (offsetof(FILE_RENAME_INFORMATION, FileName) + nameBytes) / sizeof(unsigned long long) +
            1);
        auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
        rename->ReplaceIfExists = TRUE;
        rename->RootDirectory = m_handle.Get();
        rename->FileNameLength = static_cast<ULONG>(nameBytes);
        std::memcpy(reinterpret_cast<unsigned char*>(rename) +
                        offsetof(FILE_RENAME_INFORMATION, FileName),
                    to.data(), nameBytes);
        IO_STATUS_BLOCK status{};
        return NT_SUCCESS(::NtSetInformationFile(
            source.handle.Get(), &status, rename,
            static_cast<ULONG>(buffer.size() * sizeof(unsigned long long)), FileRenameInformation));
    } catch (...) {
        return false;
    }
}

namespace testing_hooks {

void SetBeforeFileOpen(void (*hook)(const std::wstring& folderPath)) noexcept {
    g_beforeFileOpen.store(hook);
}

} // namespace testing_hooks

} // namespace halvane::fw
