// UTF-16 window texts to the UTF-8 the probe prints.
#pragma once

#include <string>
#include <string_view>

namespace probe {

// Lone surrogates become U+FFFD, so the output is always valid UTF-8.
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace probe
