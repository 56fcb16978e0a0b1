#include "engine/RunDeadline.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace halvane {
namespace {

TEST(RunDeadline, RemainingTimeAtEachReading) {
    constexpr std::uint64_t kNearWrap = 0xFFFFFF00ull; // a 32-bit tick count wraps 256 ms later
    const struct {
        std::uint64_t start;
        std::uint32_t limit;
        std::uint64_t now;
        std::uint32_t remaining;
    } cases[] = {
        {1000, 30000, 1000, 30000},              // just started
        {1000, 30000, 30999, 1},                 // one millisecond left
        {1000, 30000, 31000, 0},                 // exactly at the limit
        {1000, 30000, 500000, 0},                // long past
        {1000, 30000, 900, 30000},               // clock read before the start
        {kNearWrap, 1000, kNearWrap + 600, 400}, // across the 32-bit wrap
        {kNearWrap, 1000, kNearWrap + 1000, 0},
        {0, 0, 0, 0},                     // no time at all
        {5, 0xFFFFFFFFu, 5, 0xFFFFFFFEu}, // never the endless wait
        {5, 0xFFFFFFFFu, 6, 0xFFFFFFFEu},
        {5, 0xFFFFFFFFu, 7, 0xFFFFFFFDu},
    };
    for (const auto& c : cases) {
        const RunDeadline deadline(c.start, c.limit);
        EXPECT_EQ(deadline.RemainingAt(c.now), c.remaining)
            << "start " << c.start << " limit " << c.limit << " now " << c.now;
        EXPECT_EQ(deadline.PassedAt(c.now), c.remaining == 0);
    }
}

} // namespace
} // namespace halvane
