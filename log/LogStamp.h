#pragma once

#include <string>

namespace halvane {

// Local wall-clock time of an entry, field for field as the system clock reports it.
struct LogTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Length of a stamp for every in-range time: "[YYYY-MM-DD hh:mm:ss mmmms]" plus three spaces.
inline constexpr std::size_t kLogStampLength = 30;

// "[%04d-%02d-%02d %02d:%02d:%02d %03dms]   ".
std::string FormatLogStamp(const LogTime& time);

} // namespace halvane
