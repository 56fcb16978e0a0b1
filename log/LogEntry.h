#pragma once

#include <string>
#include <string_view>

#include "log/LogStamp.h"

namespace halvane {

// The bytes of one entry as they land in the file: the stamp, the text with every LF written as
// CR LF (the file was always a text-mode stream), then CR CR LF. The text is taken as a C string:
// it ends at its first NUL byte.
std::string BuildLogEntry(const LogTime& time, std::string_view text);

} // namespace halvane
