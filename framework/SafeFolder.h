// Files in a folder that a standard user may have made or filled first, used by the elevated
// tool without ever following a link. The folder is opened once, checked through its handle, and
// every file is opened relative to that handle and checked through its own handle before any
// byte is written, so nothing can be swapped in between. Kernel-only: the log writer and the
// feedback library use it without the window framework.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/KernelHandles.h"

namespace halvane::fw {

// Makes the folder (its last level only) with kGuardedFolderSddl. False when it was not made,
// also when it already exists.
bool CreateGuardedFolder(const std::wstring& path) noexcept;

class SafeFolder {
public:
    enum class Opening {
        Existing,      // a missing file is reported as missing, not made
        ExistingOrNew, // made when missing
        EmptiedOrNew,  // made when missing, emptied when present
    };

    struct File {
        FileHandle handle; // valid only for a checked file
        bool missing = false;
    };

    // The folder at path (trailing separators allowed), or an empty object when it is missing,
    // is not a folder, is a reparse point, or is reached through a link (its final path is not
    // path itself).
    static SafeFolder Open(const std::wstring& path) noexcept;

    SafeFolder() noexcept = default;
    explicit operator bool() const noexcept { return static_cast<bool>(m_handle); }

    // The file name directly inside the folder, opened with access (plus reading its
    // attributes). No handle when the name is not a plain child name, the entry is a folder, a
    // reparse point or a file with several names, or it does not end up directly in this folder.
    // A new file is only ever made where no name exists, never through a dangling link.
    File OpenFile(std::wstring_view name, DWORD access, Opening opening) const noexcept;

    // Renames from to to within the folder, replacing a plain file of that name (as
    // MoveFileExW with MOVEFILE_REPLACE_EXISTING does). Both must pass OpenFile's checks.
    bool Rename(std::wstring_view from, std::wstring_view to) const noexcept;

private:
    bool IsDirectlyInside(HANDLE file, std::wstring_view name) const;

    FileHandle m_handle;
    std::wstring m_path;
};

namespace testing_hooks {
// Called with the folder's path each time a file is about to be opened in a checked folder:
// lets a test change the folder's place between the check and the use. Null by default.
void SetBeforeFileOpen(void (*hook)(const std::wstring& folderPath)) noexcept;
} // namespace testing_hooks

} // namespace halvane::fw
