#include "log/Cp936.h"

#include "framework/CodePageText.h"

namespace halvane {

namespace {
constexpr UINT kCodePage = 936;
}

std::string ToCp936(std::wstring_view text) {
    return fw::CodePageFromWide(kCodePage, text);
}

std::wstring FromCp936(std::string_view text) {
    return fw::WideFromCodePage(kCodePage, text);
}

} // namespace halvane
