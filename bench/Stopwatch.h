// Wall-clock time of one run through the performance counter.
#pragma once
#include <windows.h>

namespace halvane::bench {

class Stopwatch {
public:
    Stopwatch() noexcept;
    double ElapsedMs() const noexcept;

private:
    LARGE_INTEGER m_start{};
};

} // namespace halvane::bench
