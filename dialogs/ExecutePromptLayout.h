// The progress inner's state text: what it says and where it lies.
#pragma once

#include <string>

#include "framework/Geometry.h"

namespace halvane {

// Shown when the caller's text is shorter than two characters.
inline constexpr wchar_t kExecuteFallbackText[] = L"正在修复，请稍等";

// The caller's text, or the fallback for a text of 0 or 1 character.
std::wstring StateTextFor(const std::wstring& message);

// A band 40 (scaled) high centred on the client's middle, 10 (scaled) in from either side.
fw::IntRect StateTextRect(const fw::IntRect& client, float scale) noexcept;

// The part of the background image under the text (image pixels, not scaled).
inline constexpr fw::IntRect kStateTextBkRect{10, 32, 194, 72};
// Word-wrapped, centred both ways; white.
inline constexpr int kStateTextAlign = 5;
inline constexpr unsigned long kStateTextColor = 0xFFFFFF;

} // namespace halvane
