// How long a started command may still run, counted on a 64-bit millisecond clock from its
// start, so a 32-bit tick count that wraps mid-run cannot end it early or never.
#pragma once

#include <cstdint>

namespace halvane {

class RunDeadline {
public:
    RunDeadline(std::uint64_t startMs, std::uint32_t limitMs) noexcept
        : m_startMs(startMs), m_limitMs(limitMs) {}

    // Milliseconds left at nowMs, 0 once the limit is used up. A clock reading before the
    // start counts as no time passed. Never the "wait for ever" value 0xFFFFFFFF.
    std::uint32_t RemainingAt(std::uint64_t nowMs) const noexcept;
    bool PassedAt(std::uint64_t nowMs) const noexcept { return RemainingAt(nowMs) == 0; }

private:
    std::uint64_t m_startMs;
    std::uint32_t m_limitMs;
};

} // namespace halvane
