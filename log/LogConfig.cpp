#include "log/LogConfig.h"

#include <climits>

namespace halvane {

namespace {

bool IsSpace(wchar_t c) noexcept {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

std::wstring_view Trim(std::wstring_view s) noexcept {
    while (!s.empty() && IsSpace(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

int LeadingInt(std::wstring_view s) noexcept {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) {
        negative = s[i] == L'-';
        ++i;
    }
    // Accumulate as a negative number so INT_MIN fits; saturate like the runtime's atoi.
    long long value = 0;
    for (; i < s.size() && s[i] >= L'0' && s[i] <= L'9'; ++i) {
        value = value * 10 - (s[i] - L'0');
        if (value < INT_MIN) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    if (negative) {
        return static_cast<int>(value);
    }
    return value < -static_cast<long long>(INT_MAX) ? INT_MAX : static_cast<int>(-value);
}

} // namespace

bool PrintFlagFromValue(std::wstring_view value) noexcept {
    return LeadingInt(Trim(value)) == 1;
}

} // namespace halvane
