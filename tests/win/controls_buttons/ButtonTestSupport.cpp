#include "ButtonTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "controls/PngResource.h"
#include "framework/ClientDC.h"
#include "res/resource.h"
#include "win/support/Gdiplus.h"

namespace halvane::test {

namespace {

[[maybe_unused]] ::testing::Environment* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

std::unique_ptr<Gdiplus::Image> LoadPng(UINT pngId) {
    Gdiplus::Image* image = nullptr;
    if (LoadPngFromResource(&image, static_cast<WORD>(pngId)) != 1)
        return nullptr;
    return std::unique_ptr<Gdiplus::Image>(image);
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

Pixels PngPixels(UINT pngId) {
    const std::unique_ptr<Gdiplus::Image> image = LoadPng(pngId);
    if (!image)
        return Pixels();
    const int width = static_cast<int>(image->GetWidth());
    const int height = static_cast<int>(image->GetHeight());
    return Rendered(*image, RECT{0, 0, width, height}, width, height);
}

Pixels PngPixels(UINT pngId, const RECT& source, int width, int height) {
    const std::unique_ptr<Gdiplus::Image> image = LoadPng(pngId);
    return image ? Rendered(*image, source, width, height) : Pixels();
}

std::vector<POINT> TellApartPoints(const std::vector<const Pixels*>& images, size_t perPair) {
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

int WhichImage(const Pixels& shot, POINT origin, const std::vector<const Pixels*>& images,
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

Pixels Painted(HWND window) {
    ::UpdateWindow(window);
    return CaptureClient(window);
}

Pixels Redrawn(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return CaptureClient(window);
}

LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
    return ::SendMessageW(window, message, keys,
                          MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

void Smear(HWND window, COLORREF colour) {
    RECT client{};
    ::GetClientRect(window, &client);
    const CClientDC dc(window);
    const CBrush brush(colour);
    ::FillRect(dc, &client, brush);
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
