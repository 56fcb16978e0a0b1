// Removal of the tool's own folder three seconds after the tool has ended.
#pragma once

#include <string>
#include <vector>

namespace halvane {

enum class RemovalStart {
    Started,    // the hidden interpreter runs; nothing is waited for
    Refused,    // the folder is, or holds, a place that must stay
    PathUnread, // the executable's path could not be read whole
    NotStarted, // the interpreter could not be started
};

// Starts the removal of the executable's folder and says what happened.
RemovalStart StartToolFolderRemoval() noexcept;

// Called once, as the last step of the main window's OnDestroy. Returns 1; the outcome is not
// reported (a folder that stays is no failure of the tool).
int RemoveToolFolder() noexcept;

// Places never removed, nor any folder that holds one: Windows, Program Files (every variant),
// ProgramData, the profiles root, this user's profile and its shell folders, the temporary
// folder. Full, long-form, upper-cased paths.
std::vector<std::wstring> ProtectedPlaces();

} // namespace halvane
