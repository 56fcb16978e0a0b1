// Results the fake feedback libraries derive from their arguments, so a test can tell that a
// caller passed every argument, in order, and handed the result back unchanged.
#pragma once

#include <initializer_list>

namespace fake_feedback {

inline int Code(int salt, std::initializer_list<const wchar_t*> texts, int number = 0) {
    unsigned hash = 2166136261u ^ static_cast<unsigned>(salt);
    for (const wchar_t* text : texts) {
        for (const wchar_t* p = text; p != nullptr && *p != L'\0'; ++p)
            hash = (hash ^ static_cast<unsigned>(*p)) * 16777619u;
        hash = (hash ^ 0xFFu) * 16777619u; // argument boundary
    }
    hash = (hash ^ static_cast<unsigned>(number)) * 16777619u;
    return static_cast<int>(hash & 0x3FFFFFFFu) + 16; // never 0, 1 or 3
}

} // namespace fake_feedback
