#include "DialogTestSupport.h"

#include <objidl.h>
#include <gdiplus.h>

#include <sstream>

namespace halvane::test {

namespace {
ModalScript* g_script = nullptr; // the one script ticking
}

void GdiplusEnvironment::SetUp() {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&m_token, &input, nullptr), Gdiplus::Ok);
}

void GdiplusEnvironment::TearDown() {
    Gdiplus::GdiplusShutdown(m_token);
}

void DialogTest::SetUp() {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    ASSERT_TRUE(m_main.CreateEx(0, nullptr, L"dialog test owner", style, kMainRect, nullptr, 0));
    m_app.m_pMainWnd = &m_main;
}

void DialogTest::TearDown() {
    m_main.DestroyWindow();
}

ModalScript::ModalScript() = default;

ModalScript::~ModalScript() {
    if (m_timer != 0)
        ::KillTimer(nullptr, m_timer);
    if (g_script == this)
        g_script = nullptr;
}

void ModalScript::Do(std::function<void()> action) {
    m_steps.push_back({[action] {
                           action();
                           return true;
                       },
                       0, "action"});
}

void ModalScript::WaitFor(std::function<bool()> condition, DWORD timeoutMs, std::string what) {
    m_steps.push_back({std::move(condition), timeoutMs, std::move(what)});
}

void ModalScript::Pause(DWORD ms) {
    m_steps.push_back({[] { return false; }, ms, ""});
}

void ModalScript::Start(std::function<void()> abort) {
    m_abort = std::move(abort);
    g_script = this;
    m_stepStart = ::GetTickCount64();
    m_timer = ::SetTimer(nullptr, 0, 15, &ModalScript::Tick);
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
    if (g_script != nullptr)
        g_script->Run();
}

void ModalScript::Run() noexcept {
    // A step that pumps messages itself must not be re-entered by the next tick.
    if (m_running)
        return;
    m_running = true;
    while (m_next < m_steps.size()) {
        Step& step = m_steps[m_next];
        const bool done = step.poll();
        const ULONGLONG elapsed = ::GetTickCount64() - m_stepStart;
        if (!done) {
            if (elapsed < step.timeoutMs)
                break;
            if (!step.what.empty()) {
                ADD_FAILURE() << "gave up waiting for " << step.what;
                m_next = m_steps.size();
                if (m_abort)
                    m_abort();
                break;
            }
        }
        ++m_next;
        m_stepStart = ::GetTickCount64();
    }
    if (m_next >= m_steps.size() && m_timer != 0) {
        ::KillTimer(nullptr, m_timer);
        m_timer = 0;
    }
    m_running = false;
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return r;
}

RECT ChildRectOf(HWND child) {
    RECT r = WindowRectOf(child);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool SameRect(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != FALSE;
}

std::string Describe(const RECT& r) {
    std::ostringstream out;
    out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
    return out.str();
}

Pixels CaptureClient(HWND window) {
    Pixels pixels;
    const RECT client = ClientRectOf(window);
    pixels.width = client.right;
    pixels.height = client.bottom;
    if (pixels.width <= 0 || pixels.height <= 0)
        return pixels;
    HDC source = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, dib);
    ::BitBlt(memory, 0, 0, pixels.width, pixels.height, source, 0, 0, SRCCOPY);
    ::GdiFlush();
    const auto* data = static_cast<const std::uint32_t*>(bits);
    pixels.data.assign(data, data + static_cast<std::size_t>(pixels.width) * pixels.height);
    for (std::uint32_t& p : pixels.data)
        p &= 0x00FFFFFF;
    ::SelectObject(memory, previous);
    ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(window, source);
    return pixels;
}

namespace {

bool Near(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (ca - cb > 60 || cb - ca > 60)
            return false;
    }
    return true;
}

} // namespace

int InkSpan(const Pixels& pixels, std::uint32_t ink) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < pixels.width; ++x) {
        for (int y = 0; y < pixels.height; ++y) {
            if (Near(pixels.At(x, y), ink)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

int InkPixels(const Pixels& pixels, std::uint32_t ink) {
    int count = 0;
    for (std::uint32_t p : pixels.data)
        count += Near(p, ink) ? 1 : 0;
    return count;
}

} // namespace halvane::test
