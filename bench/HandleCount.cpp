#include "bench/HandleCount.h"

#include <cstddef>
#include <new>
#include <vector>

namespace halvane::bench {

namespace {

// Declared here: the SDK headers of the toolchain do not describe these classes.
using QuerySystemInformation = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
constexpr ULONG kExtendedHandleInformation = 64;
constexpr ULONG kHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
constexpr ULONG kMaxBuffer = 64u << 20;

struct ExtendedEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT creatorBackTraceIndex;
    USHORT typeIndex;
    ULONG attributes;
    ULONG reserved;
};
struct ExtendedList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    ExtendedEntry entries[1];
};

struct Entry {
    ULONG processId;
    BYTE type;
    BYTE flags;
    USHORT handle;
    void* object;
    ULONG access;
};
struct List {
    ULONG count;
    Entry entries[1];
};

// The whole list of one class into `buffer`; false when the class is not answered.
bool Query(QuerySystemInformation query, ULONG what, std::vector<unsigned char>& buffer) {
    for (ULONG size = 1u << 16; size <= kMaxBuffer; size *= 2) {
        buffer.assign(size, 0);
        ULONG needed = 0;
        const LONG status = query(what, buffer.data(), size, &needed);
        if (status >= 0)
            return true;
        if (status != kInfoLengthMismatch)
            return false;
    }
    return false;
}

template <class ListType> long CountIn(const std::vector<unsigned char>& buffer, DWORD pid) {
    const auto* list = reinterpret_cast<const ListType*>(buffer.data());
    const std::size_t room =
        (buffer.size() - offsetof(ListType, entries)) / sizeof(list->entries[0]);
    const std::size_t count = list->count < room ? list->count : room;
    long held = 0;
    for (std::size_t i = 0; i < count; ++i)
        held += list->entries[i].processId == pid ? 1 : 0;
    return held;
}

} // namespace

long HandleCountOf(DWORD pid) noexcept {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll"); // always loaded; not to be freed
    if (ntdll == nullptr)
        return -1;
    const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(::GetProcAddress(ntdll, "NtQuerySystemInformation")));
    if (query == nullptr)
        return -1;
    try {
        std::vector<unsigned char> buffer;
        if (Query(query, kExtendedHandleInformation, buffer))
            return CountIn<ExtendedList>(buffer, pid);
        if (Query(query, kHandleInformation, buffer))
            return CountIn<List>(buffer, pid);
    } catch (const std::bad_alloc&) {
    }
    return -1;
}

} // namespace halvane::bench
