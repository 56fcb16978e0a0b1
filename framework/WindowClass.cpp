#include "framework/WindowClass.h"

#include <cstdio>

#include "framework/ResourceHandle.h"
#include "framework/Wnd.h"

namespace halvane::fw {

std::wstring RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    HINSTANCE instance = GetResourceHandle();
    wchar_t name[96];
    std::swprintf(name, sizeof(name) / sizeof(name[0]), L"Halvane:%p:%x:%p:%p:%p",
                  static_cast<void*>(instance), style, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(instance, name, &existing))
        return name;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = CWnd::FrameworkClassProc();
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return {};
    return name;
}

bool IsFrameworkClass(LPCWSTR className) noexcept {
    if (className == nullptr)
        return false;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    return ::GetClassInfoExW(GetResourceHandle(), className, &wc) &&
           wc.lpfnWndProc == CWnd::FrameworkClassProc();
}

} // namespace halvane::fw
