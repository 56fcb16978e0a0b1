#include "engine/RunDeadline.h"

namespace halvane {

std::uint32_t RunDeadline::RemainingAt(std::uint64_t nowMs) const noexcept {
    constexpr std::uint32_t kLongestWait = 0xFFFFFFFEu;
    const std::uint64_t elapsed = nowMs > m_startMs ? nowMs - m_startMs : 0;
    if (elapsed >= m_limitMs)
        return 0;
    const std::uint64_t left = m_limitMs - elapsed;
    return left > kLongestWait ? kLongestWait : static_cast<std::uint32_t>(left);
}

} // namespace halvane
