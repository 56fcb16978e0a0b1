#include "framework/DialogTemplateHeader.h"

namespace halvane::fw {

namespace {

std::uint16_t Word(const unsigned char* p) noexcept {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Dword(const unsigned char* p) noexcept {
    return static_cast<std::uint32_t>(Word(p)) | (static_cast<std::uint32_t>(Word(p + 2)) << 16);
}

std::int16_t Short(const unsigned char* p) noexcept {
    return static_cast<std::int16_t>(Word(p));
}

constexpr std::size_t kClassicSize = 18;  // style, exStyle, cdit, x, y, cx, cy
constexpr std::size_t kExtendedSize = 26; // dlgVer, signature, helpID, exStyle, style, cdit, ...

} // namespace

std::optional<DialogTemplateHeader> ParseDialogTemplateHeader(const void* data,
                                                              std::size_t size) noexcept {
    if (data == nullptr || size < 4)
        return std::nullopt;
    const auto* p = static_cast<const unsigned char*>(data);
    DialogTemplateHeader h;
    // The extended form starts with version 1 and the signature 0xFFFF; a classic style word
    // never has that shape because 0xFFFF in the high half would set every WS_ bit at once.
    if (Word(p + 2) == 0xFFFF) {
        if (Word(p) != 1 || size < kExtendedSize)
            return std::nullopt;
        h.extended = true;
        h.exStyle = Dword(p + 8);
        h.style = Dword(p + 12);
        h.itemCount = Word(p + 16);
        h.x = Short(p + 18);
        h.y = Short(p + 20);
        h.cx = Short(p + 22);
        h.cy = Short(p + 24);
        return h;
    }
    if (size < kClassicSize)
        return std::nullopt;
    h.style = Dword(p);
    h.exStyle = Dword(p + 4);
    h.itemCount = Word(p + 8);
    h.x = Short(p + 10);
    h.y = Short(p + 12);
    h.cx = Short(p + 14);
    h.cy = Short(p + 16);
    return h;
}

} // namespace halvane::fw
