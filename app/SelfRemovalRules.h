// Pure rules of the tool's self-removal: which folder, whether it may go, and the command text.
// No Win32 here; RemoveToolFolder.cpp finds the real places and starts the interpreter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvane {

// Form used for comparing folders: no \\?\ (or \\?\UNC\ -> \\), forward slashes as
// backslashes, no trailing backslash, ASCII letters upper-cased (the caller upper-cases the
// rest). Empty when the text is not a plain absolute path ("X:\..." or "\\server\share...") or
// holds a "." or ".." part.
std::wstring NormaliseFolder(std::wstring_view path);

// Places the removal must leave, each in any spelling NormaliseFolder reads; unreadable entries
// refuse nothing.
struct RefusedPlaces {
    // Refused, and so is every folder that holds one.
    std::vector<std::wstring> places;
    // Profile folders: refused as places, and so is every folder directly inside one
    // (Desktop, Downloads, a folder unpacked straight into the profile).
    std::vector<std::wstring> profiles;
    // Folders that hold profiles (C:\Users): every folder directly inside one counts as a
    // profile, whether or not any list names it.
    std::vector<std::wstring> profileRoots;
};

// True when folder may be removed: an absolute path below a drive root or share that none of
// the refused places rules out. Fails closed on anything unreadable.
bool MayRemoveFolder(std::wstring_view folder, const RefusedPlaces& refused);

// Name of the child's variable that carries the folder.
inline constexpr wchar_t kFolderVariable[] = L"HALVANE_TOOL_FOLDER";

// Command line of the interpreter at cmdPath: waits 3 s, then removes the folder named by the
// variable. The folder reaches rmdir only through delayed expansion, inside quotes.
std::wstring RemovalCommandLine(std::wstring_view cmdPath);

// Environment block (NAME=value\0 ... \0) of the interpreter: only what it needs, every value an
// absolute path, and the interpreter's dynamic names pinned to ":" so that an interpreter which
// expands names again inside the folder's text (Wine's) only ever makes an invalid path of it.
std::wstring RemovalEnvironment(std::wstring_view folder, std::wstring_view windowsFolder,
                                std::wstring_view systemFolder);

} // namespace halvane
