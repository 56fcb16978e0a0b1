// The demo program's one window: a caption strip to drag, a button, a check box, a combo box.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace demo {

struct GdiDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
template <class T> using UniqueGdi = std::unique_ptr<std::remove_pointer_t<T>, GdiDeleter>;

class CDemoWindow {
public:
    CDemoWindow();
    CDemoWindow(const CDemoWindow&) = delete;
    CDemoWindow& operator=(const CDemoWindow&) = delete;

    bool Create(HINSTANCE instance, int x, int y);
    // Times "设置" was pressed; the process returns it as its exit code.
    int Clicks() const { return m_clicks; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void OnCommand(int id, int code);
    void OnPaint();

    HWND m_hWnd = nullptr;
    HWND m_apply = nullptr;
    HWND m_agree = nullptr;
    HWND m_mode = nullptr;
    HWND m_status = nullptr;
    UniqueGdi<HFONT> m_font;
    UniqueGdi<HBRUSH> m_background;
    UniqueGdi<HBRUSH> m_caption;
    UniqueGdi<HBRUSH> m_swatch;
    int m_clicks = 0;
};

} // namespace demo
