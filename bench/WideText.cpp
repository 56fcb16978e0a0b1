#include "bench/WideText.h"

#include "framework/CodePageText.h"

namespace halvane::bench {

std::wstring FromAnsi(const std::string& bytes) {
    return fw::WideFromCodePage(CP_ACP, bytes);
}

std::string ToUtf8(const std::wstring& text) {
    return fw::CodePageFromWide(CP_UTF8, text);
}

} // namespace halvane::bench
