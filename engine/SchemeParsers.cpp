#include "engine/SchemeParsers.h"

#include "engine/PowerModeTable.h"

namespace halvane {

namespace {
constexpr const wchar_t* kWhiteSpace = L" \t\r\n";
constexpr const wchar_t* kLineEnd = L"\r\n";

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

// Which name the list uses: the Chinese one wins when both are present.
const wchar_t* UltimateNameIn(const std::wstring& text) {
    if (text.find(ultimate::kChineseName) != std::wstring::npos)
        return ultimate::kChineseName;
    if (text.find(ultimate::kEnglishName) != std::wstring::npos)
        return ultimate::kEnglishName;
    return nullptr;
}
} // namespace

bool GuidFromLine(const std::wstring& line, std::wstring* guid) {
    static const std::wstring kMarker = L"GUID:";
    const auto marker = line.find(kMarker);
    if (marker == std::wstring::npos)
        return false;
    const std::wstring rest = TrimLeft(line.substr(marker + kMarker.size()));
    const auto blank = rest.find(L' ');
    if (blank == std::wstring::npos)
        return false;
    std::wstring token = Trim(rest.substr(0, blank));
    if (token.size() <= 8)
        return false;
    *guid = std::move(token);
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
    const auto at = output.find(guid);
    if (at == std::wstring::npos)
        return false;
    const auto end = output.find(kLineEnd, at);
    if (end == std::wstring::npos)
        return false;
    return output.find(L'*', at) < end;
}

bool ContainsUltimateScheme(const std::wstring& output) {
    return UltimateNameIn(output) != nullptr;
}

} // namespace halvane
