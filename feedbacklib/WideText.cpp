#include "feedbacklib/WideText.h"

#include "framework/CodePageText.h"

namespace feedbacklib {

std::string ToUtf8(const wchar_t* text) {
    if (text == nullptr)
        return {};
    return halvane::fw::CodePageFromWide(CP_UTF8, text);
}

std::wstring ToWide(const std::string& utf8) {
    return halvane::fw::WideFromCodePage(CP_UTF8, utf8);
}

} // namespace feedbacklib
