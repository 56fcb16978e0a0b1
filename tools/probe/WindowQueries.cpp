#include "tools/probe/WindowQueries.h"

#include <vector>

namespace probe {

namespace {

constexpr std::size_t kMaxText = 1 << 20;

bool KeepsOwnText(const std::u16string& className) {
    return IsClass(className, L"Edit") || className.compare(0, 8, u"RichEdit") == 0 ||
           className.compare(0, 8, u"RICHEDIT") == 0;
}

} // namespace

std::u16string ToU16(const wchar_t* text, std::size_t size) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide strings are UTF-16");
    return std::u16string(reinterpret_cast<const char16_t*>(text), size);
}

std::optional<LRESULT> Ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

std::u16string ClassName(HWND hwnd) {
    wchar_t name[256];
    int n = GetClassNameW(hwnd, name, 256);
    return ToU16(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

bool IsClass(const std::u16string& className, const wchar_t* name) {
    return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(className.c_str()),
                                static_cast<int>(className.size()), name, -1, TRUE) == CSTR_EQUAL;
}

std::u16string WindowText(HWND hwnd) {
    if (KeepsOwnText(ClassName(hwnd))) {
        auto length = Ask(hwnd, WM_GETTEXTLENGTH);
        if (length && *length >= 0 && static_cast<std::size_t>(*length) < kMaxText) {
            std::vector<wchar_t> buffer(static_cast<std::size_t>(*length) + 1);
            auto got =
                Ask(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
            if (got && *got >= 0 && static_cast<std::size_t>(*got) < buffer.size())
                return ToU16(buffer.data(), static_cast<std::size_t>(*got));
        }
    }
    // GetWindowTextLength would send a message; grow the buffer instead.
    for (std::size_t size = 512; size <= kMaxText; size *= 2) {
        std::vector<wchar_t> buffer(size);
        int got = GetWindowTextW(hwnd, buffer.data(), static_cast<int>(size));
        if (got <= 0)
            return {};
        if (static_cast<std::size_t>(got) < size - 1)
            return ToU16(buffer.data(), static_cast<std::size_t>(got));
    }
    return {};
}

} // namespace probe
