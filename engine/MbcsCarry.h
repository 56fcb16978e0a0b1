// Keeps a multi-byte character that a pipe read cut in two, so it is converted whole with
// the next read instead of turning into two replacement characters.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace halvane {

// What the reader needs to know about the code page of the bytes.
struct CodePageShape {
    enum Kind { SingleByte, DoubleByte, Utf8 } kind = SingleByte;
    std::array<bool, 256> leadByte{}; // DoubleByte only
};

// Length of the longest prefix of bytes that ends on a character boundary.
std::size_t CompletePrefixLength(std::string_view bytes, const CodePageShape& shape);

// Collects a read's text and hands out only whole characters.
class MbcsCarry {
public:
    explicit MbcsCarry(CodePageShape shape) : m_shape(shape) {}

    // Appends one read's text and returns the bytes that are ready to convert. When the
    // read ended early at a zero byte, nothing is held back: the text after it is gone,
    // so a cut character cannot be completed by the next read.
    std::string Take(std::string_view readText, bool endedAtZero);

    // Whatever is still held (at the end of the output).
    std::string Flush();

private:
    CodePageShape m_shape;
    std::string m_pending;
};

} // namespace halvane
