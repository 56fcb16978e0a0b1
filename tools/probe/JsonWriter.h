// Compact JSON text built value by value; commas and nesting are tracked here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace probe {

class CJsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Inside an object every value is preceded by its key.
    void Key(std::string_view name);
    // Expects valid UTF-8 (as Utf16ToUtf8 gives); non-ASCII is written as is.
    void String(std::string_view utf8);
    void String(std::u16string_view text);
    void Number(std::int64_t value);
    void Bool(bool value);
    void Null();

    const std::string& Text() const { return m_text; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string m_text;
    std::vector<bool> m_hasItems; // one per open container
    bool m_afterKey = false;
};

} // namespace probe
