// The whole file name of a loaded module, however long: GetModuleFileNameW cuts a path that does
// not fit its buffer, and a cut path names some other file or folder.
#pragma once

#include <windows.h>

#include <string>

namespace halvane::fw {

// Full path of module (null: the running executable); empty when it cannot be read whole.
std::wstring ModuleFilePath(HMODULE module = nullptr);

// The folder of that path, without a trailing backslash; empty when it cannot be read whole.
std::wstring ModuleFolder(HMODULE module = nullptr);

} // namespace halvane::fw
