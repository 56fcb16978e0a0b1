// The running system's version pair, as the loader recorded it in the process environment block.
#pragma once

// Reads OSMajorVersion/OSMinorVersion of the current process's PEB. No system version
// function is called, so the pair is the one the system reports to this process.
void ReadRunningOsVersion(unsigned long& major, unsigned long& minor);
