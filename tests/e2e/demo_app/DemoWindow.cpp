#include "tests/e2e/demo_app/DemoWindow.h"

#include "tests/e2e/demo_app/DemoIds.h"

#include <string>
#include <vector>

namespace demo {

namespace {

const wchar_t kClassName[] = L"HalvaneE2eDemo";
constexpr COLORREF kBackgroundColor = RGB(0xF4, 0xF4, 0xF4);
constexpr COLORREF kCaptionColor = RGB(0x2D, 0x6C, 0xDF);
constexpr COLORREF kSwatchColor = RGB(0xE0, 0x40, 0x20);

} // namespace

CDemoWindow::CDemoWindow()
    : m_background(CreateSolidBrush(kBackgroundColor)), m_caption(CreateSolidBrush(kCaptionColor)),
      m_swatch(CreateSolidBrush(kSwatchColor)) {}

bool CDemoWindow::Create(HINSTANCE instance, int x, int y) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc))
        return false;
    // Borderless like a skinned window: it is moved by its own caption strip.
    return CreateWindowExW(0, kClassName, L"演示窗口", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x,
                           y, kWidth, kHeight, nullptr, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK CDemoWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam,
                                         LPARAM lParam) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self =
            static_cast<CDemoWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hWnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CDemoWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    try {
        return self->Handle(msg, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

LRESULT CDemoWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        CreateControls();
        return 0;
    case WM_NCHITTEST: {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(m_hWnd, &p);
        return p.y >= 0 && p.y < kCaptionHeight ? HTCAPTION : HTCLIENT;
    }
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), kBackgroundColor);
        return reinterpret_cast<LRESULT>(m_background.get());
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_DESTROY:
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        PostQuitMessage(m_clicks);
        return 0;
    }
    return DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

void CDemoWindow::CreateControls() {
    LOGFONTW lf{};
    lf.lfHeight = -16;
    lf.lfCharSet = GB2312_CHARSET;
    lstrcpynW(lf.lfFaceName, L"宋体", LF_FACESIZE);
    m_font.reset(CreateFontIndirectW(&lf));

    auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hWnd, GWLP_HINSTANCE));
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w,
                    int h, int id) {
        HWND child = CreateWindowExW(
            0, cls, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, m_hWnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
        return child;
    };
    m_apply = make(L"Button", L"设置", BS_PUSHBUTTON, 20, 60, 100, 30, kApplyId);
    m_mode = make(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 140, 62, 140, 160, kModeId);
    m_agree = make(L"Button", L"我已阅读并同意", BS_AUTOCHECKBOX, 20, 110, 220, 26, kAgreeId);
    m_status = make(L"Static", L"未设置", SS_LEFT, 20, 160, 320, 26, kStatusId);

    for (const wchar_t* mode : {L"节能模式", L"平衡模式", L"高性能模式", L"卓越性能模式"})
        SendMessageW(m_mode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
    SendMessageW(m_mode, CB_SETCURSEL, 1, 0);
    SendMessageW(m_agree, BM_SETCHECK, BST_CHECKED, 0);
}

void CDemoWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED)
        return;
    if (id == kAgreeId) {
        // "设置" is only available while the box is ticked.
        EnableWindow(m_apply, SendMessageW(m_agree, BM_GETCHECK, 0, 0) == BST_CHECKED);
    } else if (id == kApplyId) {
        ++m_clicks;
        LRESULT sel = SendMessageW(m_mode, CB_GETCURSEL, 0, 0);
        std::wstring mode;
        if (sel >= 0) {
            LRESULT length = SendMessageW(m_mode, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0);
            std::vector<wchar_t> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
            SendMessageW(m_mode, CB_GETLBTEXT, static_cast<WPARAM>(sel),
                         reinterpret_cast<LPARAM>(text.data()));
            mode = text.data();
        }
        SetWindowTextW(m_status, (L"已设置：" + mode).c_str());
        SetWindowTextW(m_hWnd, L"演示窗口（已设置）");
    }
}

void CDemoWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, m_background.get());
    RECT caption{0, 0, kWidth, kCaptionHeight};
    FillRect(dc, &caption, m_caption.get());
    RECT swatch{kSwatchLeft, kSwatchTop, kSwatchLeft + kSwatchSize, kSwatchTop + kSwatchSize};
    FillRect(dc, &swatch, m_swatch.get());
    EndPaint(m_hWnd, &ps);
}

} // namespace demo
