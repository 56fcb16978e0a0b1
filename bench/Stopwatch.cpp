#include "bench/Stopwatch.h"

namespace halvane::bench {

namespace {
// Fixed at boot; QueryPerformanceFrequency cannot fail on XP and later (its reference page).
LONGLONG CounterFrequency() noexcept {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return frequency;
}
} // namespace

Stopwatch::Stopwatch() noexcept {
    CounterFrequency();
    ::QueryPerformanceCounter(&m_start);
}

double Stopwatch::ElapsedMs() const noexcept {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 /
           static_cast<double>(CounterFrequency());
}

} // namespace halvane::bench
