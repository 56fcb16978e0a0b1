#include "ButtonTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "controls/PngResource.h"
#include "framework/GdiplusSession.h"
#include "res/resource.h"

namespace halvane::test {

namespace {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        m_session = std::make_unique<fw::GdiplusSession>();
        ASSERT_TRUE(m_session->IsStarted());
    }
    void TearDown() override { m_session.reset(); }

private:
    std::unique_ptr<fw::GdiplusSession> m_session;
};

[[maybe_unused]] ::testing::Environment* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

COLORREF FromArgb(Gdiplus::ARGB argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

} // namespace

HostDialog::HostDialog() noexcept : CDialog(IDD_TORVEL_DIALOG), m_magenta(kMagenta) {}

const fw::MessageTable& HostDialog::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_CTLCOLORBTN, &HostDialog::OnCtlColorBtn>(),
        fw::OnClicked<IDC_CONSENT, &HostDialog::OnClickedConsent>(),
    };
    static const fw::MessageTable table{&CDialog::Messages(), entries};
    return table;
}

void HostDialog::DoDataExchange(CDataExchange* dx) noexcept {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PANEL_CLOSE, m_close);
    DDX_Control(dx, IDC_SET, m_set);
    DDX_Control(dx, IDC_CONSENT, m_consent);
}

HBRUSH HostDialog::OnCtlColorBtn(HDC, HWND) noexcept {
    return m_magenta;
}

bool HostDialog::Open() {
    if (!Create(IDD_TORVEL_DIALOG))
        return false;
    SetWindowPos(HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    PumpPending();
    return true;
}

Snapshot::Snapshot(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    m_width = client.right;
    m_height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, dib);
    ::BitBlt(memory, 0, 0, m_width, m_height, screen, 0, 0, SRCCOPY);
    ::GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    m_pixels.resize(static_cast<size_t>(m_width) * static_cast<size_t>(m_height));
    for (size_t i = 0; i < m_pixels.size(); ++i)
        m_pixels[i] = FromArgb(pixels[i]);
    ::SelectObject(memory, previous);
    ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
}

COLORREF Snapshot::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

ImagePixels::ImagePixels(UINT pngId) {
    Gdiplus::Image* image = nullptr;
    if (LoadPngFromResource(&image, static_cast<WORD>(pngId)) != 1)
        return;
    std::unique_ptr<Gdiplus::Image> owned(image);
    const int width = static_cast<int>(image->GetWidth());
    const int height = static_cast<int>(image->GetHeight());
    Render(*image, RECT{0, 0, width, height}, width, height);
}

ImagePixels::ImagePixels(UINT pngId, const RECT& source, int width, int height) {
    Gdiplus::Image* image = nullptr;
    if (LoadPngFromResource(&image, static_cast<WORD>(pngId)) != 1)
        return;
    std::unique_ptr<Gdiplus::Image> owned(image);
    Render(*image, source, width, height);
}

void ImagePixels::Render(Gdiplus::Image& image, const RECT& source, int width, int height) {
    Gdiplus::Bitmap canvas(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&canvas);
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        graphics.DrawImage(&image, Gdiplus::Rect(0, 0, width, height), source.left, source.top,
                           source.right - source.left, source.bottom - source.top,
                           Gdiplus::UnitPixel);
    }
    m_width = width;
    m_height = height;
    m_pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Gdiplus::Color c;
            canvas.GetPixel(x, y, &c);
            m_pixels[static_cast<size_t>(y * width + x)] = FromArgb(c.GetValue());
        }
    }
}

COLORREF ImagePixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y * m_width + x)];
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::vector<POINT> TellApartPoints(const std::vector<const ImagePixels*>& images, size_t perPair) {
    std::vector<POINT> points;
    for (size_t i = 0; i < images.size(); ++i) {
        for (size_t j = i + 1; j < images.size(); ++j) {
            std::vector<POINT> apart;
            for (int y = 0; y < images[i]->Height(); ++y) {
                for (int x = 0; x < images[i]->Width(); ++x) {
                    if (Distance(images[i]->At(x, y), images[j]->At(x, y)) > 60)
                        apart.push_back(POINT{x, y});
                }
            }
            if (apart.empty())
                return {};
            const size_t take = apart.size() < perPair ? apart.size() : perPair;
            for (size_t k = 0; k < take; ++k)
                points.push_back(apart[k * apart.size() / take]);
        }
    }
    return points;
}

int WhichImage(const Snapshot& shot, POINT origin, const std::vector<const ImagePixels*>& images,
               const std::vector<POINT>& points) {
    for (size_t i = 0; i < images.size(); ++i) {
        bool all = !points.empty();
        for (const POINT& p : points) {
            if (!Near(shot.At(origin.x + p.x, origin.y + p.y), images[i]->At(p.x, p.y))) {
                all = false;
                break;
            }
        }
        if (all)
            return static_cast<int>(i);
    }
    return -1;
}

Snapshot Painted(HWND window) {
    ::UpdateWindow(window);
    return Snapshot(window);
}

Snapshot Redrawn(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return Snapshot(window);
}

LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
    return ::SendMessageW(window, message, keys,
                          MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

void Smear(HWND window, COLORREF colour) {
    RECT client{};
    ::GetClientRect(window, &client);
    HDC dc = ::GetDC(window);
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &client, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(window, dc);
}

POINT OnScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    return p;
}

void ParkCursor() {
    ::SetCursorPos(2000, 1400);
}

} // namespace halvane::test
