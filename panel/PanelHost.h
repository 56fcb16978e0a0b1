// What the main panel needs from the window it lies on: when the panel is dragged by its top
// strip, the window places itself around the panel's window rectangle (screen coordinates).
#pragma once

namespace halvane {

class CPanelHost {
public:
    virtual void FollowChild(int left, int top, int right, int bottom) noexcept = 0;

protected:
    CPanelHost() = default;
    ~CPanelHost() = default;
    CPanelHost(const CPanelHost&) = default;
    CPanelHost& operator=(const CPanelHost&) = default;
};

} // namespace halvane
