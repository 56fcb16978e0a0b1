#pragma once

#include <cstdint>

namespace halvane {

// A log file is moved to its backup once it has grown past this many bytes.
inline constexpr std::uint32_t kLogSizeLimit = 6020000;

// The decision looks at the low 32 bits of the size only, taken unsigned.
bool ShouldRotateLog(std::uint64_t fileSize) noexcept;

} // namespace halvane
