// The module whose resources (dialog templates, PNGs, bitmaps) the program uses.
#pragma once

#include <windows.h>

namespace halvane::fw {

// The module this code is linked into: the executable, or a DLL that links the framework.
HINSTANCE GetResourceHandle() noexcept;

} // namespace halvane::fw
