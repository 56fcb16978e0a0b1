#pragma once

#include <windows.h>

namespace halvane {

// Owns a CRITICAL_SECTION. Meets BasicLockable, so std::lock_guard is its scoped lock.
class CriticalSection {
public:
    CriticalSection() noexcept;
    ~CriticalSection();
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void lock() noexcept;
    void unlock() noexcept;

private:
    CRITICAL_SECTION m_section;
};

} // namespace halvane
