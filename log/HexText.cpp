#include "log/HexText.h"

namespace halvane {

std::string FormatHexBytes(const unsigned char* bytes, int count) {
    std::string text;
    if (bytes == nullptr || count <= 0) {
        return text;
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text.reserve(static_cast<std::size_t>(count) * 3);
    for (int i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
        text += ' ';
    }
    return text;
}

} // namespace halvane
