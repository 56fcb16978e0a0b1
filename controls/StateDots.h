// The animated dots of the state text: a count that one timer tick moves 0 -> 1 -> 2 -> 3 -> 0,
// and the dots that count appends. Kept apart from Win32 so it is testable natively.
#pragma once

namespace halvane {

constexpr int kMaxDotCount = 3;

// The count after one tick: one more, and past three back to none.
int NextDotCount(int count) noexcept;

// "", ".", "..", "..." for the counts 0 to 3; nothing for any other count.
const wchar_t* DotsFor(int count) noexcept;

} // namespace halvane
