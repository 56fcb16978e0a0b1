// Fuzzes the plain-PNG decoder: any input that passes the header check decodes (or fails)
// within its rows, and a decoded image decodes the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "controls/PngDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    halvane::PlainPngInfo info;
    if (!halvane::ReadPlainPngInfo(data, size, &info))
        return 0;
    const std::size_t bytes = info.RowBytes() * info.height;
    if (bytes > (std::size_t{1} << 24))
        return 0; // larger than the fuzzer's memory limit allows to test
    const auto stride = static_cast<std::ptrdiff_t>(info.RowBytes());
    std::vector<std::uint8_t> first(bytes), second(bytes, 0xFF);
    if (!halvane::DecodePlainPng(data, size, info, first.data(), stride))
        return 0;
    if (!halvane::DecodePlainPng(data, size, info, second.data(), stride) || first != second)
        std::abort();
    return 0;
}
