#include "engine/MbcsCarry.h"

namespace halvane {

namespace {
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1; // a stray continuation or invalid byte: let the converter deal with it
}
} // namespace

std::size_t CompletePrefixLength(std::string_view bytes, const CodePageShape& shape) {
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    switch (shape.kind) {
    case CodePageShape::SingleByte:
        return n;
    case CodePageShape::DoubleByte:
        // Walk from a known boundary: a lead byte always takes the next byte with it.
        while (i < n) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const std::size_t len = shape.leadByte[b] ? 2 : 1;
            if (i + len > n)
                break;
            i += len;
        }
        return i;
    case CodePageShape::Utf8:
        while (i < n) {
            const std::size_t len = Utf8SequenceLength(static_cast<unsigned char>(bytes[i]));
            if (i + len > n) {
                // Hold back only a sequence that the next bytes could still complete.
                for (std::size_t k = i + 1; k < n; ++k)
                    if ((static_cast<unsigned char>(bytes[k]) & 0xC0) != 0x80)
                        return n;
                break;
            }
            i += len;
        }
        return i;
    }
    return n;
}

std::string MbcsCarry::Take(std::string_view readText, bool endedAtZero) {
    m_pending.append(readText);
    if (endedAtZero)
        return Flush();
    const std::size_t ready = CompletePrefixLength(m_pending, m_shape);
    std::string out = m_pending.substr(0, ready);
    m_pending.erase(0, ready);
    return out;
}

std::string MbcsCarry::Flush() {
    std::string out;
    out.swap(m_pending);
    return out;
}

} // namespace halvane
