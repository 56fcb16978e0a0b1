// Feeds arbitrary text to one plan-list parser (chosen at build time): no crash, and what it
// claims holds; without "GUID:" the duplication parser must agree with a regular expression. FUZZ_CARRY also checks that the multi-byte carry never loses or adds a byte.
#include "engine/MbcsCarry.h"
#include "engine/SchemeParsers.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

// Byte-wise widening; four high bytes stand for the characters of the Chinese plan name.
std::wstring Widen(const uint8_t* data, size_t size) {
    const wchar_t kName[] = L"卓越性能";
    std::wstring text;
    text.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = data[i];
        text.push_back(b < 0x80 ? b : b < 0x84 ? kName[b - 0x80] : static_cast<wchar_t>(0x4E00 + b));
    }
    return text;
}

void Require(bool condition) {
    if (!condition)
        std::abort();
}

#if defined(FUZZ_DUPLICATED_GUID)
// Independent oracle for lines without "GUID:": the first 8-4-4-4-12 hex token that no hex
// digit or dash touches.
std::wstring FirstFreeGuid(const std::wstring& text) {
    static const std::wregex shape(L"(^|[^0-9a-fA-F-])([0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-"
                                   L"[0-9a-fA-F]{4}-[0-9a-fA-F]{12})(?![0-9a-fA-F-])");
    std::wsmatch match;
    return std::regex_search(text, match, shape) ? match[2].str() : std::wstring();
}

// The duplication output and every plan line fall back to the GUID-shaped token.
void CheckGuidFromText(const std::wstring& text, bool found, const std::wstring& guid) {
    const auto marker = text.find(L"GUID:");
    if (marker != std::wstring::npos) {
        if (found)
            Require(guid.size() > 8 && text.find(guid, marker) != std::wstring::npos);
        return;
    }
    const std::wstring expected = FirstFreeGuid(text);
    Require(found == !expected.empty());
    if (found)
        Require(guid == expected);
}
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = Widen(data, size);
    std::wstring guid = L"unchanged";
#if defined(FUZZ_FIND_ULTIMATE)
    if (halvane::FindUltimateSchemeGuid(text, &guid))
        Require(guid.size() > 8 && guid.find(L' ') == std::wstring::npos &&
                text.find(guid) != std::wstring::npos);
    else
        Require(guid == L"unchanged");
#elif defined(FUZZ_DUPLICATED_GUID)
    if (size > 4096)
        return 0; // the regex oracle is slow on long inputs
    const bool found = halvane::GetDuplicatedSchemeGuid(text, &guid);
    CheckGuidFromText(text, found, guid);
    if (!found)
        Require(guid == L"unchanged");
#elif defined(FUZZ_SCHEME_ACTIVE)
    // The first 12 characters name the plan, the rest is the list.
    const std::wstring plan = text.substr(0, 12);
    if (halvane::IsSchemeActive(text.substr(plan.size()), plan)) {
        const std::wstring list = text.substr(plan.size());
        const auto at = list.find(plan);
        Require(at != std::wstring::npos && list.find(L'*', at) < list.find(L"\r\n", at));
    }
#elif defined(FUZZ_CARRY)
    halvane::CodePageShape gbk;
    gbk.kind = halvane::CodePageShape::DoubleByte;
    for (unsigned b = 0x81; b <= 0xFE; ++b)
        gbk.leadByte[b] = true;
    halvane::MbcsCarry carry(gbk);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t step = size > 0 ? 1 + data[0] % 9 : 1;
    std::string joined;
    for (size_t at = 0; at < size; at += step)
        joined += carry.Take(std::string_view(bytes).substr(at, step), false);
    joined += carry.Flush();
    Require(joined == bytes);
#endif
    return 0;
}
