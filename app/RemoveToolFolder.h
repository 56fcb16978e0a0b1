// Removal of the tool's own folder three seconds after the tool has ended.
#pragma once

#include "app/SelfRemovalRules.h"

namespace halvane {

enum class RemovalStart {
    Started,    // the hidden interpreter runs; nothing is waited for
    Refused,    // the folder is, or holds, a place that must stay, or lies directly in a profile
    PathUnread, // the executable's path could not be read whole
    NotStarted, // the interpreter could not be started
};

// Starts the removal of the executable's folder and says what happened.
RemovalStart StartToolFolderRemoval() noexcept;

// Called once, as the last step of the main window's OnDestroy. Returns 1; the outcome is not
// reported (a folder that stays is no failure of the tool).
int RemoveToolFolder() noexcept;

// Places never removed, nor any folder that holds one: Windows, Program Files (every variant),
// ProgramData, the temporary folder, the shell folders of this process's user and of the user
// who owns the desktop shell (who may not be the one the tool runs as). Profiles: every one the
// system lists, the Public one, both users' own. Profile roots: the profiles folder. Full,
// long-form, upper-cased paths.
RefusedPlaces ProtectedPlaces();

} // namespace halvane
