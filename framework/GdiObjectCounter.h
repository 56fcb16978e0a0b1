// Live count of the GDI objects and device contexts held by the framework's wrappers.
// Wine's GetGuiResources is a stub (returns 0), so leak checks count here instead.
#pragma once

namespace halvane::fw {

class GdiObjectCounter {
public:
    static void Acquired() noexcept;
    static void Released() noexcept;
    static long Live() noexcept;
};

} // namespace halvane::fw
