#include "StaticTestSupport.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace halvane::test {

namespace {

[[maybe_unused]] ::testing::Environment* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

} // namespace

int CountUnlike(const Pixels& shown, const Pixels& reference, int originX, int originY,
                int tolerance) {
    int unlike = 0;
    for (int y = 1; y + 1 < shown.Height(); ++y) {
        for (int x = 1; x + 1 < shown.Width(); ++x)
            unlike +=
                Near(shown.At(x, y), reference.At(originX + x, originY + y), tolerance) ? 0 : 1;
    }
    return unlike;
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
