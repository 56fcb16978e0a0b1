#include "engine/OsVersionWin.h"

#include <windows.h>

namespace {

// PEB field offsets; the TEB holds the PEB pointer at gs:[0x60] (x64) or fs:[0x30] (x86).
#if defined(__x86_64__) || defined(_M_X64)
constexpr unsigned kMajorOffset = 0x118;
constexpr unsigned kMinorOffset = 0x11C;
const unsigned char* CurrentPeb() noexcept {
    // Plain asm: GCC's __readgsqword trips -Warray-bounds on the absolute address.
    const unsigned char* peb = nullptr;
    __asm__("movq %%gs:0x60, %0" : "=r"(peb));
    return peb;
}
#elif defined(__i386__) || defined(_M_IX86)
constexpr unsigned kMajorOffset = 0xA4;
constexpr unsigned kMinorOffset = 0xA8;
const unsigned char* CurrentPeb() noexcept {
    const unsigned char* peb = nullptr;
    __asm__("movl %%fs:0x30, %0" : "=r"(peb));
    return peb;
}
#else
#error "the PEB layout is known for x86 and x86_64 only"
#endif

ULONG ReadField(const unsigned char* peb, unsigned offset) noexcept {
    ULONG value = 0;
    CopyMemory(&value, peb + offset, sizeof value);
    return value;
}

} // namespace

void ReadRunningOsVersion(unsigned long& major, unsigned long& minor) {
    const unsigned char* peb = CurrentPeb();
    major = ReadField(peb, kMajorOffset);
    minor = ReadField(peb, kMinorOffset);
}
