// Message pumping for Wine tests: what is queued now, or until a condition holds.
#pragma once

#include <windows.h>

#include <functional>

namespace halvane::test {

// Dispatches what is queued now, paints included; returns without waiting.
void PumpPending();
// Dispatches messages until `done` holds or `timeoutMs` passed (waits without spinning).
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

} // namespace halvane::test
