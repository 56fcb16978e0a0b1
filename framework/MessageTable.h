// Per-class message tables: {message} or {control id + notification code} -> member function.
// Each class owns one static table that names its base class's table explicitly; lookup takes
// the first matching entry in listed order, then continues in the base table.
#pragma once

#include <windows.h>

#include <cstddef>

namespace halvane {
class CWnd;
}

namespace halvane::fw {

using MessageThunk = LRESULT (*)(CWnd& window, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    UINT message;    // WM_xxx; WM_COMMAND for command entries
    UINT controlId;  // command entries: LOWORD(wParam)
    UINT notifyCode; // command entries: HIWORD(wParam)
    bool command;
    MessageThunk thunk;

    bool Matches(UINT msg, WPARAM wParam) const noexcept {
        if (msg != message)
            return false;
        return !command || (LOWORD(wParam) == controlId && HIWORD(wParam) == notifyCode);
    }
};

class MessageTable {
public:
    // A class without entries of its own: lookups go straight to the base.
    constexpr explicit MessageTable(const MessageTable* base) noexcept
        : m_base(base), m_entries(nullptr), m_count(0) {}
    template <std::size_t N>
    constexpr MessageTable(const MessageTable* base, const MessageEntry (&entries)[N]) noexcept
        : m_base(base), m_entries(entries), m_count(N) {}

    const MessageEntry* Find(UINT message, WPARAM wParam) const noexcept {
        for (const MessageTable* t = this; t != nullptr; t = t->m_base) {
            for (std::size_t i = 0; i < t->m_count; ++i) {
                if (t->m_entries[i].Matches(message, wParam))
                    return &t->m_entries[i];
            }
        }
        return nullptr;
    }
    const MessageTable* Base() const noexcept { return m_base; }

private:
    const MessageTable* m_base;
    const MessageEntry* m_entries;
    std::size_t m_count;
};

} // namespace halvane::fw

// Declares a class's table accessor and its override; the table itself is written in the .cpp.
#define DECLARE_MESSAGE_TABLE()                                                                    \
public:                                                                                            \
    static const ::halvane::fw::MessageTable& Messages() noexcept;                                 \
    const ::halvane::fw::MessageTable& GetMessageTable() const noexcept override {                 \
        return Messages();                                                                         \
    }                                                                                              \
                                                                                                   \
private:
