// Reads the fixed header of a dialog template resource (classic or extended form).
// Pure: the modal loop needs the template's style before the window exists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace halvane::fw {

struct DialogTemplateHeader {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint16_t itemCount = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t cx = 0;
    std::int16_t cy = 0;
    bool extended = false; // DLGTEMPLATEEX rather than DLGTEMPLATE
};

// Empty when the bytes are too short to hold a header or carry an unknown extended version.
std::optional<DialogTemplateHeader> ParseDialogTemplateHeader(const void* data,
                                                              std::size_t size) noexcept;

} // namespace halvane::fw
