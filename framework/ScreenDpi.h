// The screen's vertical DPI as GDI reports it for the desktop.
#pragma once

namespace halvane::fw {

// LOGPIXELSY of the desktop's device context; 0 when there is none.
int ScreenLogPixelsY() noexcept;

} // namespace halvane::fw
