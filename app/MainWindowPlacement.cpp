#include "app/MainWindowPlacement.h"

namespace halvane {

namespace {
using fw::Trunc;
} // namespace

fw::IntRect MainWindowTarget(int screenWidth, int screenHeight, float scale) noexcept {
    fw::IntRect r;
    r.left = screenWidth / 2 - Trunc(scale * kMainFrameWidth / 2);
    r.top = screenHeight / 2 - Trunc(scale * kMainFrameHeight / 2);
    r.right = Trunc(scale * kMainFrameWidth) + r.left;
    r.bottom = Trunc(scale * kMainFrameHeight) + r.top;
    return r;
}

fw::IntRect PanelRectInFrame(const fw::IntRect& frame, float scale) noexcept {
    const int x = Trunc(static_cast<float>(frame.left) + kPanelInsetLeft * scale);
    const int y = Trunc(static_cast<float>(frame.top) + kPanelInsetTop * scale);
    const int width =
        Trunc(static_cast<float>(frame.Width()) - (kPanelInsetLeft + kPanelInsetRight) * scale);
    const int height =
        Trunc(static_cast<float>(frame.Height()) - (kPanelInsetTop + kPanelInsetBottom) * scale);
    return fw::IntRect{x, y, x + width, y + height};
}

fw::IntRect FrameAroundPanel(const fw::IntRect& panel, float scale) noexcept {
    return fw::IntRect{panel.left - Trunc(kPanelInsetLeft * scale),
                       panel.top - Trunc(kPanelInsetTop * scale),
                       panel.right + Trunc(kPanelInsetRight * scale),
                       panel.bottom + Trunc(kPanelInsetBottom * scale)};
}

} // namespace halvane
