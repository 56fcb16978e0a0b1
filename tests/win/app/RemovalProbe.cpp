// Test program copied into the folders the removal tests use: starts the removal of its own
// folder, prints what happened and ends at once, as the tool does.
#include "app/RemoveToolFolder.h"

#include <cstdio>

int wmain() {
    const char* outcome = "?";
    switch (halvane::StartToolFolderRemoval()) {
    case halvane::RemovalStart::Started:
        outcome = "started";
        break;
    case halvane::RemovalStart::Refused:
        outcome = "refused";
        break;
    case halvane::RemovalStart::PathUnread:
        outcome = "unread";
        break;
    case halvane::RemovalStart::NotStarted:
        outcome = "not-started";
        break;
    }
    std::printf("%s\n", outcome);
    return 0;
}
