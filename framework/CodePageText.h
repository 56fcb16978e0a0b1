// Conversions between UTF-16 and a named code page (CP_UTF8, CP_ACP, 936, ...). Header-only, so
// the feedback library and the log use it without linking the framework.
#pragma once

#include <windows.h>

#include <climits>
#include <string>
#include <string_view>

namespace halvane::fw {

// Text the code page cannot take, or longer than an int can count, gives the empty string.
inline std::wstring WideFromCodePage(UINT codePage, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int size = static_cast<int>(bytes.size());
    const int needed = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    const int written = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), needed);
    text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return text;
}

// flags as for WideCharToMultiByte: WC_NO_BEST_FIT_CHARS gives '?' rather than a look-alike.
inline std::string CodePageFromWide(UINT codePage, std::wstring_view text, DWORD flags = 0) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int size = static_cast<int>(text.size());
    const int needed =
        ::WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    const int written = ::WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(),
                                              needed, nullptr, nullptr);
    bytes.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return bytes;
}

} // namespace halvane::fw
