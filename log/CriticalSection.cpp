#include "log/CriticalSection.h"

namespace halvane {

CriticalSection::CriticalSection() noexcept {
    InitializeCriticalSection(&m_section);
}

CriticalSection::~CriticalSection() {
    DeleteCriticalSection(&m_section);
}

void CriticalSection::lock() noexcept {
    EnterCriticalSection(&m_section);
}

void CriticalSection::unlock() noexcept {
    LeaveCriticalSection(&m_section);
}

} // namespace halvane
