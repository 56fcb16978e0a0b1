#include "log/LogStamp.h"

#include <cstdio>

namespace halvane {

std::string FormatLogStamp(const LogTime& time) {
    // Wide enough for any int values, so an out-of-range clock widens the stamp instead of
    // cutting it.
    char buffer[128];
    const int n =
        std::snprintf(buffer, sizeof buffer, "[%04d-%02d-%02d %02d:%02d:%02d %03dms]   ", time.year,
                      time.month, time.day, time.hour, time.minute, time.second, time.millisecond);
    if (n <= 0) {
        return std::string();
    }
    return std::string(buffer, static_cast<std::size_t>(n));
}

} // namespace halvane
