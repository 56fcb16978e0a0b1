// Feeds arbitrary text to one plan-list parser (chosen at build time): no crash, and what it
// claims holds. Every GUID returned has the 8-4-4-4-12 shape; the duplication parser agrees
// with regular expressions; a "*" inside a name never makes a plan active. FUZZ_CARRY also
// checks that the multi-byte carry never loses or adds a byte.
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

#define HEX8 L"[0-9a-fA-F]{8}"
#define GUID_PATTERN HEX8 L"-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}"

[[maybe_unused]] bool HasGuidShape(const std::wstring& text) {
    static const std::wregex shape(GUID_PATTERN);
    return std::regex_match(text, shape);
}

#if defined(FUZZ_DUPLICATED_GUID)
// Independent oracle: the first 8-4-4-4-12 hex token that no hex digit or dash touches...
std::wstring FirstFreeGuid(const std::wstring& text, std::size_t* at) {
    static const std::wregex free(L"(^|[^0-9a-fA-F-])(" GUID_PATTERN L")(?![0-9a-fA-F-])");
    std::wsmatch match;
    if (!std::regex_search(text, match, free))
        return {};
    *at = static_cast<std::size_t>(match.position(2));
    return match[2].str();
}

// ...unless the first "GUID:" comes before it: then blanks, exactly a GUID, a blank, or none.
std::wstring ExpectedGuid(const std::wstring& text) {
    std::size_t at = std::wstring::npos;
    const std::wstring first = FirstFreeGuid(text, &at);
    const auto marker = text.find(L"GUID:");
    if (marker == std::wstring::npos || marker > at)
        return first;
    static const std::wregex labelled(L"^[ \\t\\r\\n]*(" GUID_PATTERN L")[\\t\\r\\n]* ");
    std::wsmatch match;
    const std::wstring rest = text.substr(marker + 5);
    return std::regex_search(rest, match, labelled) ? match[1].str() : std::wstring();
}
#endif

#if defined(FUZZ_SCHEME_ACTIVE)
// Every "*" that a ")" follows on its line (blanks aside) stands inside a name: never the mark.
std::wstring WithoutStarsInNames(std::wstring list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] != L'*')
            continue;
        const auto next = list.find_first_not_of(L" \t\r\n", i + 1);
        if (next != std::wstring::npos && list[next] == L')' && list.find(L"\r\n", i) > next)
            list[i] = L'+';
    }
    return list;
}

// Some terminated line holds the plan and ends with ")", blanks and "*".
bool SomeLineEndsActive(const std::wstring& list, const std::wstring& plan) {
    static const std::wregex active(L"\\)[ \\t\\r\\n]*\\*[ \\t\\r\\n]*$");
    for (std::size_t pos = 0, end; (end = list.find(L"\r\n", pos)) != std::wstring::npos;
         pos = end + 2) {
        const std::wstring line = list.substr(pos, end - pos);
        if (line.find(plan) != std::wstring::npos && std::regex_search(line, active))
            return true;
    }
    return false;
}
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = Widen(data, size);
    std::wstring guid = L"unchanged";
#if defined(FUZZ_FIND_ULTIMATE)
    if (halvane::FindUltimateSchemeGuid(text, &guid))
        Require(HasGuidShape(guid) && text.find(guid) != std::wstring::npos);
    else
        Require(guid == L"unchanged");
#elif defined(FUZZ_DUPLICATED_GUID)
    if (size > 4096)
        return 0; // the regex oracle is slow on long inputs
    const std::wstring expected = ExpectedGuid(text);
    const bool found = halvane::GetDuplicatedSchemeGuid(text, &guid);
    Require(found == !expected.empty());
    Require(guid == (found ? expected : L"unchanged"));
    Require(!found || HasGuidShape(guid));
#elif defined(FUZZ_SCHEME_ACTIVE)
    if (size > 4096)
        return 0;
    // "#" stands for the plan's GUID, so lines that hold it are common.
    const std::wstring plan = L"381b4222-f694-41f0-9685-ff5bb260df2e";
    std::wstring list;
    for (const wchar_t c : text)
        list += c == L'#' ? plan : std::wstring(1, c);
    const bool active = halvane::IsSchemeActive(list, plan);
    Require(!active || SomeLineEndsActive(list, plan));
    Require(active == halvane::IsSchemeActive(WithoutStarsInNames(list), plan));
    // Only a GUID can be active.
    Require(!halvane::IsSchemeActive(list, plan.substr(1)));
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
