#include "bench/OutputCheck.h"

#include "framework/CodePageText.h"

#include <cstdio>
#include <utility>

namespace halvane::bench {

OutputCheck::OutputCheck(std::wstring command, bool silent, std::wstring mustContain)
    : m_command(std::move(command)), m_silent(silent), m_mustContain(std::move(mustContain)) {}

bool OutputCheck::Accept(const std::wstring& text, const char* who) {
    const bool expected = m_silent ? text.empty() : text.find(m_mustContain) != std::wstring::npos;
    if (!expected) {
        std::fprintf(stderr,
                     "%s: unexpected output of \"%s\" (is the powercfg simulator in "
                     "system32?):\n%s\n",
                     who, fw::CodePageFromWide(CP_UTF8, m_command).c_str(),
                     fw::CodePageFromWide(CP_UTF8, text).c_str());
        return false;
    }
    if (!m_seen) {
        m_reference = text;
        m_seen = true;
    } else if (text != m_reference) {
        std::fprintf(stderr, "%s: output of \"%s\" differs from the first run\n", who,
                     fw::CodePageFromWide(CP_UTF8, m_command).c_str());
        return false;
    }
    return true;
}

} // namespace halvane::bench
