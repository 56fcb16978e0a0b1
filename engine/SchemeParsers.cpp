#include "engine/SchemeParsers.h"

#include "engine/PowerModeTable.h"

namespace halvane {

namespace {
constexpr const wchar_t* kWhiteSpace = L" \t\r\n";
constexpr const wchar_t* kLineEnd = L"\r\n";
constexpr std::size_t kGuidLength = 36; // 8-4-4-4-12

std::wstring TrimLeft(const std::wstring& s) {
    const auto first = s.find_first_not_of(kWhiteSpace);
    return first == std::wstring::npos ? std::wstring() : s.substr(first);
}

std::wstring Trim(const std::wstring& s) {
    std::wstring t = TrimLeft(s);
    const auto last = t.find_last_not_of(kWhiteSpace);
    t.erase(last == std::wstring::npos ? 0 : last + 1);
    return t;
}

bool IsHexDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

// Whether 8-4-4-4-12 hex digits start at `at`; the caller ensures the text is long enough.
bool GuidShapeAt(const std::wstring& text, std::size_t at) {
    for (std::size_t i = 0; i < kGuidLength; ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const wchar_t c = text[at + i];
        if (dash ? c != L'-' : !IsHexDigit(c))
            return false;
    }
    return true;
}

// Position of the first GUID-shaped token that is not a piece of a longer run of hex digits
// and dashes; npos when there is none.
std::size_t FirstGuidToken(const std::wstring& line) {
    const auto joins = [](wchar_t c) { return c == L'-' || IsHexDigit(c); };
    for (std::size_t at = 0; at + kGuidLength <= line.size(); ++at) {
        if (at > 0 && joins(line[at - 1]))
            continue;
        if (!GuidShapeAt(line, at))
            continue;
        if (at + kGuidLength < line.size() && joins(line[at + kGuidLength]))
            continue;
        return at;
    }
    return std::wstring::npos;
}

// The active plan's line ends with its name's closing parenthesis, blanks and "*".
bool EndsWithActiveMark(const std::wstring& line) {
    const auto star = line.find_last_not_of(kWhiteSpace);
    if (star == std::wstring::npos || line[star] != L'*' || star == 0)
        return false;
    const auto paren = line.find_last_not_of(kWhiteSpace, star - 1);
    return paren != std::wstring::npos && line[paren] == L')';
}

// Which name the list uses: the Chinese one wins when both are present.
const wchar_t* UltimateNameIn(const std::wstring& text) {
    if (text.find(ultimate::kChineseName) != std::wstring::npos)
        return ultimate::kChineseName;
    if (text.find(ultimate::kEnglishName) != std::wstring::npos)
        return ultimate::kEnglishName;
    return nullptr;
}
} // namespace

bool IsGuidShaped(const std::wstring& text) {
    return text.size() == kGuidLength && GuidShapeAt(text, 0);
}

bool GuidFromLine(const std::wstring& line, std::wstring* guid) {
    static const std::wstring kMarker = L"GUID:";
    const auto token = FirstGuidToken(line);
    const auto marker = line.find(kMarker);
    if (marker < token) {
        // A labelled line ("Power Scheme GUID: <guid>  (<name>)"): what follows the label is
        // the GUID, or the line has none. A marker after the token belongs to the name.
        const std::wstring rest = TrimLeft(line.substr(marker + kMarker.size()));
        const auto blank = rest.find(L' ');
        if (blank == std::wstring::npos)
            return false;
        std::wstring labelled = Trim(rest.substr(0, blank));
        if (!IsGuidShaped(labelled))
            return false;
        *guid = std::move(labelled);
        return true;
    }
    if (token == std::wstring::npos)
        return false;
    *guid = line.substr(token, kGuidLength);
    return true;
}

bool FindUltimateSchemeGuid(std::wstring output, std::wstring* guid) {
    output += kLineEnd;
    std::wstring::size_type pos = 0;
    while (true) {
        const auto end = output.find(kLineEnd, pos);
        if (end == std::wstring::npos)
            return false;
        const std::wstring line = output.substr(pos, end - pos);
        pos = output.find_first_not_of(L"\r\n", end);
        if (UltimateNameIn(line) != nullptr && GuidFromLine(line, guid))
            return true;
        if (pos == std::wstring::npos)
            return false;
    }
}

bool GetDuplicatedSchemeGuid(std::wstring output, std::wstring* guid) {
    return GuidFromLine(output, guid);
}

bool IsSchemeActive(std::wstring output, std::wstring guid) {
    std::wstring::size_type pos = 0;
    for (auto end = output.find(kLineEnd); end != std::wstring::npos;
         pos = end + 2, end = output.find(kLineEnd, pos)) {
        const std::wstring line = output.substr(pos, end - pos);
        std::wstring own;
        if (GuidFromLine(line, &own) && own == guid)
            return EndsWithActiveMark(line);
    }
    return false;
}

bool ContainsUltimateScheme(const std::wstring& output) {
    return UltimateNameIn(output) != nullptr;
}

} // namespace halvane
