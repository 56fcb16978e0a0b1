// Reader of an extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX records).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DialogItem {
    int32_t id = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::u16string className; // ordinal classes are given their names ("Button", ...)
    std::u16string text;
    int textOrdinal = -1; // resource number when the text is an ordinal (icons)
};

class DialogTemplate {
public:
    // Nothing when the bytes are not a well-formed extended template.
    static std::optional<DialogTemplate> Parse(const unsigned char* data, size_t size);

    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::u16string title;
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t charset = 0;
    std::u16string typeface;
    std::vector<DialogItem> items;
};
