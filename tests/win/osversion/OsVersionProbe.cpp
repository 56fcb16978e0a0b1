// Test program: prints "<major>.<minor> TRUE|FALSE" for the version Wine reports to it.
#include "engine/OsVersion.h"
#include "engine/OsVersionWin.h"

#include <cstdio>

int main() {
    unsigned long major = 0;
    unsigned long minor = 0;
    ReadRunningOsVersion(major, minor);
    std::printf("%lu.%lu %s\n", major, minor, IsSupportedVersion(major, minor) ? "TRUE" : "FALSE");
    return 0;
}
