#include "log/LogRotation.h"

namespace halvane {

bool ShouldRotateLog(std::uint64_t fileSize) noexcept {
    return static_cast<std::uint32_t>(fileSize) > kLogSizeLimit;
}

} // namespace halvane
