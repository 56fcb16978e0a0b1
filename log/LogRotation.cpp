#include "log/LogRotation.h"

bool ShouldRotateLog(std::uint64_t fileSize) noexcept {
    return static_cast<std::uint32_t>(fileSize) > kLogSizeLimit;
}
