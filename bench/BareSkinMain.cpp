// The floor of the start-up benchmark: a program that does only what the first sight of the tool
// needs, shows the main frame's PNG (resource 138, 410 x 611, per-pixel alpha) in one layered
// window through UpdateLayeredWindow, and waits until it is closed. With the argument "tick" it
// also runs what the tool does every 100 ms while idle (timer 33: the cursor position checked
// against a window rectangle), so the idle benchmark can tell that tick's cost from the rest.
#include <windows.h>
#include <objidl.h> // before GDI+, which needs its stream types
#include <gdiplus.h>
#include <shlwapi.h>

#include <cwchar>

namespace {

constexpr int kFramePng = 138;
constexpr wchar_t kClassName[] = L"HalvaneBareSkin";
constexpr UINT_PTR kTickTimer = 33;
constexpr UINT kTickMs = 100;

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_TIMER && wp == kTickTimer) {
        POINT cursor{};
        RECT rect{};
        if (::GetCursorPos(&cursor) && ::GetWindowRect(hwnd, &rect) && ::PtInRect(&rect, cursor))
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 1);
        return 0;
    }
    if (msg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

// The PNG resource as a GDI+ image; nullptr when missing.
Gdiplus::Bitmap* LoadPng(HINSTANCE instance) noexcept {
    const HRSRC res = ::FindResourceW(instance, MAKEINTRESOURCEW(kFramePng), L"PNG");
    const HGLOBAL data = res != nullptr ? ::LoadResource(instance, res) : nullptr;
    if (data == nullptr)
        return nullptr;
    IStream* stream = ::SHCreateMemStream(static_cast<const BYTE*>(::LockResource(data)),
                                          ::SizeofResource(instance, res));
    if (stream == nullptr)
        return nullptr;
    Gdiplus::Bitmap* image = Gdiplus::Bitmap::FromStream(stream);
    stream->Release();
    return image;
}

// Draws the image premultiplied into a top-down 32-bit DIB selected into `dc` and hands it to
// the layered window.
bool ShowLayered(HWND hwnd, Gdiplus::Bitmap& image) noexcept {
    const int w = static_cast<int>(image.GetWidth());
    const int h = static_cast<int>(image.GetHeight());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool shown = false;
    if (dc != nullptr && dib != nullptr) {
        const HGDIOBJ old = ::SelectObject(dc, dib);
        {
            Gdiplus::Bitmap target(w, h, w * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits));
            Gdiplus::Graphics graphics(&target);
            graphics.DrawImage(&image, 0, 0, w, h);
        }
        POINT origin{(::GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                     (::GetSystemMetrics(SM_CYSCREEN) - h) / 2};
        POINT source{0, 0};
        SIZE size{w, h};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        shown = ::UpdateLayeredWindow(hwnd, screen, &origin, &size, dc, &source, 0, &blend,
                                      ULW_ALPHA) != FALSE;
        ::SelectObject(dc, old);
    }
    if (dib != nullptr)
        ::DeleteObject(dib);
    if (dc != nullptr)
        ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return shown;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR args, int) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 2;
    int code = 1;
    if (Gdiplus::Bitmap* image = LoadPng(instance)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WndProc;
        wc.hInstance = instance;
        wc.lpszClassName = kClassName;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        ::RegisterClassExW(&wc);
        const HWND hwnd = ::CreateWindowExW(WS_EX_LAYERED, kClassName, L"bare", WS_POPUP, 0, 0,
                                            0, 0, nullptr, nullptr, instance, nullptr);
        if (hwnd != nullptr && ShowLayered(hwnd, *image)) {
            ::ShowWindow(hwnd, SW_SHOW);
            if (args != nullptr && std::wcscmp(args, L"tick") == 0)
                ::SetTimer(hwnd, kTickTimer, kTickMs, nullptr);
            MSG msg;
            while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
                ::DispatchMessageW(&msg);
            code = 0;
        }
        delete image;
    }
    Gdiplus::GdiplusShutdown(token);
    return code;
}
