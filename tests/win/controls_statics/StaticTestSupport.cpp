#include "StaticTestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "framework/Handles.h"
#include "framework/MemoryDC.h"
#include "framework/ScopedSelect.h"

namespace halvane::test {

int Pixels::Count(COLORREF colour) const {
    int n = 0;
    for (COLORREF c : colours)
        n += c == colour ? 1 : 0;
    return n;
}

int CountUnlike(const Pixels& pixels, Gdiplus::Bitmap& image, int originX, int originY,
                int tolerance) {
    int unlike = 0;
    for (int y = 1; y + 1 < pixels.height; ++y) {
        for (int x = 1; x + 1 < pixels.width; ++x) {
            Gdiplus::Color c;
            image.GetPixel(originX + x, originY + y, &c);
            const COLORREF got = pixels.At(x, y);
            const bool off = std::abs(GetRValue(got) - c.GetR()) > tolerance ||
                             std::abs(GetGValue(got) - c.GetG()) > tolerance ||
                             std::abs(GetBValue(got) - c.GetB()) > tolerance;
            unlike += off ? 1 : 0;
        }
    }
    return unlike;
}

void PrintTo(const Pixels& pixels, std::ostream* out) {
    const Ink ink = InkOf(pixels, RGB(255, 255, 255));
    *out << pixels.width << "x" << pixels.height << " ink ";
    if (ink.any)
        *out << "(" << ink.left << "," << ink.top << ")-(" << ink.right << "," << ink.bottom << ")";
    else
        *out << "none";
}

namespace {

// Copies `width` x `height` pixels at (0, 0) of `source` through a 32-bit top-down DIB.
Pixels ReadBack(HDC source, int width, int height) {
    Pixels out;
    if (width <= 0 || height <= 0)
        return out;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::BitmapHandle dib(::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    fw::DcHandle copy(::CreateCompatibleDC(source));
    if (!dib || !copy)
        return out;
    {
        fw::ScopedSelect select(copy.Get(), dib.Get());
        ::BitBlt(copy.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
        ::GdiFlush();
    }
    out.width = width;
    out.height = height;
    const auto* row = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD v = row[i]; // 0x00RRGGBB
        out.colours.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
    return out;
}

} // namespace

Pixels CaptureClient(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    HDC dc = ::GetDC(window);
    Pixels out = ReadBack(dc, client.right, client.bottom);
    ::ReleaseDC(window, dc);
    return out;
}

Pixels RenderText(HFONT font, const std::wstring& text, int width, int height, RECT rect,
                  UINT format, COLORREF ink, COLORREF fill) {
    CClientDC screen(nullptr);
    CMemoryDC surface(screen, width, height);
    RECT all{0, 0, width, height};
    CBrush brush(fill);
    ::FillRect(surface, &all, brush);
    ::SetBkMode(surface, TRANSPARENT);
    ::SetTextColor(surface, ink);
    {
        fw::ScopedSelect select(surface, font);
        ::DrawTextW(surface, text.c_str(), static_cast<int>(text.size()), &rect, format);
    }
    return ReadBack(surface, width, height);
}

Ink InkOf(const Pixels& pixels, COLORREF background) {
    Ink ink;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            if (pixels.At(x, y) == background)
                continue;
            if (!ink.any) {
                ink = Ink{true, x, y, x, y};
                continue;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.bottom = y;
        }
    }
    return ink;
}

CFont MakeTestFont() {
    LOGFONTW lf{};
    lf.lfHeight = 12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    wcscpy_s(lf.lfFaceName, L"Tahoma");
    CFont font;
    font.CreateFontIndirect(&lf);
    return font;
}

int LineHeight(HFONT font, bool externalLeading) {
    CClientDC screen(nullptr);
    fw::ScopedSelect select(screen, font);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(screen, &tm);
    return tm.tmHeight + (externalLeading ? tm.tmExternalLeading : 0);
}

int TextExtent(HFONT font, const std::wstring& text) {
    CClientDC screen(nullptr);
    fw::ScopedSelect select(screen, font);
    SIZE size{};
    ::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

const fw::MessageTable& FontHost::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessageRaw<WM_GETFONT, &FontHost::OnGetFont>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

bool FontHost::Create(const RECT& rect, HFONT font) {
    m_font = font;
    return CreateEx(0, nullptr, L"statics", WS_POPUP | WS_VISIBLE, rect, nullptr, 0) != FALSE;
}

LRESULT FontHost::OnGetFont(WPARAM, LPARAM) noexcept {
    return reinterpret_cast<LRESULT>(m_font);
}

PaintCounter::PaintCounter(HWND window) : m_window(window) {
    ::SetWindowSubclass(window, &PaintCounter::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
}

PaintCounter::~PaintCounter() {
    if (::IsWindow(m_window))
        ::RemoveWindowSubclass(m_window, &PaintCounter::Proc, 1);
}

LRESULT CALLBACK PaintCounter::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) noexcept {
    if (message == WM_PAINT)
        ++reinterpret_cast<PaintCounter*>(self)->m_count;
    return ::DefSubclassProc(window, message, wParam, lParam);
}

} // namespace halvane::test
