#include "tools/probe/JsonWriter.h"

#include "tools/probe/Utf8.h"

#include <cstdio>

namespace probe {

void CJsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasItems.empty()) {
        if (m_hasItems.back())
            m_text += ',';
        m_hasItems.back() = true;
    }
}

void CJsonWriter::Open(char bracket) {
    BeforeValue();
    m_text += bracket;
    m_hasItems.push_back(false);
}

void CJsonWriter::Close(char bracket) {
    m_text += bracket;
    if (!m_hasItems.empty())
        m_hasItems.pop_back();
}

void CJsonWriter::BeginObject() {
    Open('{');
}
void CJsonWriter::EndObject() {
    Close('}');
}
void CJsonWriter::BeginArray() {
    Open('[');
}
void CJsonWriter::EndArray() {
    Close(']');
}

void CJsonWriter::Key(std::string_view name) {
    String(name);
    m_text += ':';
    m_afterKey = true;
}

void CJsonWriter::String(std::string_view utf8) {
    BeforeValue();
    m_text += '"';
    for (char ch : utf8) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (c < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", c);
                m_text += esc;
            } else {
                m_text += ch;
            }
        }
    }
    m_text += '"';
}

void CJsonWriter::String(std::u16string_view text) {
    String(Utf16ToUtf8(text));
}

void CJsonWriter::Number(std::int64_t value) {
    BeforeValue();
    m_text += std::to_string(value);
}

void CJsonWriter::Bool(bool value) {
    BeforeValue();
    m_text += value ? "true" : "false";
}

void CJsonWriter::Null() {
    BeforeValue();
    m_text += "null";
}

} // namespace probe
