#include "dialogs/FeedbackAnswer.h"

#include <cstdint>

namespace halvane {

FeedbackTimeText FormatFeedbackTime(long long seconds) noexcept {
    // Conversion to a narrower signed type keeps the low bits (modulo 2^32).
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(seconds));
    // Digits of the magnitude in 64 bits, so the most negative value has one too.
    std::int64_t magnitude = low < 0 ? -static_cast<std::int64_t>(low) : low;
    wchar_t digits[11];
    int count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    FeedbackTimeText out{};
    int pos = 0;
    if (low < 0)
        out.text[pos++] = L'-';
    while (count > 0)
        out.text[pos++] = digits[--count];
    out.text[pos] = L'\0';
    return out;
}

} // namespace halvane
