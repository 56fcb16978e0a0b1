// Fuzzes the entry builder (input as a narrow text) and the print-value parser (input as wide
// characters), checking the properties every entry and value must keep.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "log/LogConfig.h"
#include "log/LogEntry.h"
#include "log/LogStamp.h"

using namespace halvane;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckEntry(std::string_view text) {
    const std::string entry = BuildLogEntry({2021, 6, 1, 9, 5, 7, 42}, text);
    const std::string_view body = text.substr(0, text.find('\0'));
    Require(entry.compare(0, kLogStampLength, "[2021-06-01 09:05:07 042ms]   ") == 0);
    Require(entry.size() >= kLogStampLength + 3);
    Require(entry.compare(entry.size() - 3, 3, "\r\r\n") == 0);
    // Removing the CR before each LF of the body gives the body back.
    std::string back;
    const std::string_view written(entry.data() + kLogStampLength,
                                   entry.size() - kLogStampLength - 3);
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] == '\n') {
            Require(i > 0 && written[i - 1] == '\r');
            back.pop_back();
        }
        back += written[i];
    }
    Require(back == body);
}

void CheckPrintValue(const std::uint8_t* data, std::size_t size) {
    std::wstring value(size / 2, L'\0');
    for (std::size_t i = 0; i < value.size(); ++i) {
        value[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    const bool flag = PrintFlagFromValue(value);
    // Surrounding white space never changes the answer.
    Require(PrintFlagFromValue(L" \t" + value + L"\r\n ") == flag);
    // Whatever follows a leading 1 is ignored once a non-digit separates it.
    if (flag) {
        Require(PrintFlagFromValue(value + L"x9") == true);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckEntry(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckPrintValue(data, size);
    return 0;
}
