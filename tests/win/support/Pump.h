// Message pumping for Wine tests: what is queued now, or until a condition holds.
#pragma once

#include <windows.h>

#include <functional>

namespace halvane::test {

// Dispatches what is queued now, paints included; returns without waiting.
void PumpPending();
// Default deadline of the Win tests' waits: a wait ends as soon as its condition holds, so a long
// deadline costs nothing on an idle machine and keeps a loaded one from failing.
inline constexpr DWORD kPatienceMs = 60000;

// Dispatches messages until `done` holds or `timeoutMs` passed (waits without spinning; looks
// again at least every 100 ms, for conditions that change without a message).
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatienceMs);
// Dispatches messages for `ms` milliseconds.
void PumpFor(DWORD ms);

} // namespace halvane::test
