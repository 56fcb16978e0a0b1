#include "framework/GdiObjectCounter.h"

#include <atomic>

namespace halvane::fw {

namespace {
// Diagnostic only: nothing in the product reads it.
std::atomic<long> g_live{0};
} // namespace

void GdiObjectCounter::Acquired() noexcept {
    g_live.fetch_add(1, std::memory_order_relaxed);
}
void GdiObjectCounter::Released() noexcept {
    g_live.fetch_sub(1, std::memory_order_relaxed);
}
long GdiObjectCounter::Live() noexcept {
    return g_live.load(std::memory_order_relaxed);
}

} // namespace halvane::fw
