#include "framework/ResourceHandle.h"

// Provided by the linker at the start of every PE image.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace halvane::fw {

HINSTANCE GetResourceHandle() noexcept {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

} // namespace halvane::fw
