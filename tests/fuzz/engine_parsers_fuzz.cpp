// Feeds arbitrary text to the plan-list parsers: no crash, and what they claim holds.
#include "engine/MbcsCarry.h"
#include "engine/SchemeParsers.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::wstring text;
    text.reserve(size);
    // Widen byte-wise; four high bytes stand for the characters of the Chinese plan name.
    const wchar_t kName[] = L"卓越性能";
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = data[i];
        text.push_back(b < 0x80 ? b : b < 0x84 ? kName[b - 0x80] : static_cast<wchar_t>(0x4E00 + b));
    }

    std::wstring guid;
    if (halvane::GuidFromLine(text, &guid) && (guid.size() <= 8 || guid.find(L' ') != std::wstring::npos))
        std::abort();
    if (halvane::FindUltimateSchemeGuid(text, &guid) &&
        (guid.size() <= 8 || text.find(guid) == std::wstring::npos))
        std::abort();
    if (halvane::GetDuplicatedSchemeGuid(text, &guid)) {
        if (text.find(guid) == std::wstring::npos)
            std::abort();
        halvane::IsSchemeActive(text, guid);
    }

    // The carry never loses or adds a byte.
    halvane::CodePageShape gbk;
    gbk.kind = halvane::CodePageShape::DoubleByte;
    for (unsigned b = 0x81; b <= 0xFE; ++b)
        gbk.leadByte[b] = true;
    halvane::MbcsCarry carry(gbk);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string joined;
    for (size_t at = 0; at < size; at += 7)
        joined += carry.Take(std::string_view(bytes).substr(at, 7), false);
    joined += carry.Flush();
    if (joined != bytes)
        std::abort();
    return 0;
}
