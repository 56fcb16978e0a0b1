#include "engine/OsVersion.h"

namespace {

struct VersionRow {
    unsigned long major;
    unsigned long minor;
    bool supported;
};

// Checked top to bottom; the first row matching both numbers decides.
constexpr VersionRow kVersionTable[] = {
    {5, 0, false}, // Windows 2000
    {5, 1, false}, // Windows XP
    {5, 2, false}, // Windows Server 2003
    {6, 0, false}, // Windows Vista
    {6, 1, true},  // Windows 7
    {6, 2, false}, // Windows 8
    {6, 3, false}, // Windows 8.1
    {10, 0, true}, // Windows 10
};

} // namespace

bool IsSupportedVersion(unsigned long major, unsigned long minor) {
    for (const VersionRow& row : kVersionTable) {
        if (row.major == major && row.minor == minor)
            return row.supported;
    }
    return false;
}
