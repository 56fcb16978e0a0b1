// Every timed run of a case must print the same text, and the text the simulator prints;
// otherwise the timings would compare different work.
#pragma once
#include <string>

namespace halvane::bench {

class OutputCheck {
public:
    // silent: the command prints nothing when it works; else its text must hold mustContain.
    OutputCheck(std::wstring command, bool silent, std::wstring mustContain);

    // False (with the reason on stderr) when the text is not the expected one.
    bool Accept(const std::wstring& text, const char* who);

private:
    std::wstring m_command;
    bool m_silent;
    std::wstring m_mustContain;
    std::wstring m_reference;
    bool m_seen = false;
};

} // namespace halvane::bench
