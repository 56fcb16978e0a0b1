// What makes a folder or file safe for the elevated tool to write in: the pure decisions behind
// framework/SafeFolder. A standard user can make a folder under the common application data
// folder first, or plant links in one; nothing the tool writes may follow such a link.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace halvane::fw {

// A folder the tool makes: a protected DACL in which only SYSTEM and administrators may change
// anything (full access, inherited by what is made inside), and users may read and list.
inline constexpr wchar_t kGuardedFolderSddl[] =
    L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

// The file attribute bits the decision looks at (the values of the Win32 constants).
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeReparsePoint = 0x400;

enum class EntryKind { File, Folder };

// True for an opened entry the tool may use: never a reparse point (junction, symbolic link,
// mount point), of the kind asked for, and a file with one name only (a hard link would let
// the tool write into a file that also lives somewhere else).
bool IsUsableEntry(std::uint32_t attributes, std::uint32_t linkCount, EntryKind kind) noexcept;

// True for a name that stays in the folder it is opened in: not empty, not "." or "..", and
// without a separator, a drive or stream colon, or a control character.
bool IsPlainChildName(std::wstring_view name) noexcept;

// A path as GetFinalPathNameByHandleW gives it ("\\?\C:\a", "\\?\UNC\server\share\a") in its
// ordinary form ("C:\a", "\\server\share\a"), without trailing separators (a drive root keeps
// its one: "C:\").
std::wstring OrdinaryPathForm(std::wstring_view path);

// folder + "\" + name, without doubling a separator that folder already ends in.
std::wstring ChildPath(std::wstring_view folder, std::wstring_view name);

} // namespace halvane::fw
