// Which Windows versions the tool runs on, decided from the major/minor pair alone.
#pragma once

// True for Windows 7 (6.1) and Windows 10 (10.0); every other pair is unsupported,
// including 6.2/6.3 between them and any 10.x with x != 0.
bool IsSupportedVersion(unsigned long major, unsigned long minor);
