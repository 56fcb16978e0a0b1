// Shared pieces of the buttons' Wine tests: the panel's own dialog template hosting the controls,
// pixels read back from the screen and from the skin images, and message pumping.
#pragma once

#include <windows.h>

#include "win/support/Pump.h"

#include <objidl.h>
#include <gdiplus.h>

#include <functional>
#include <vector>

#include "controls/CheckBoxBtn.h"
#include "controls/ImageButton.h"
#include "controls/PngButton.h"
#include "framework/Brush.h"
#include "framework/Dialog.h"

namespace halvane::test {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Template 137 (the main panel) with its close button, "设置" and the consent box bound to the
// classes under test. The parent answers WM_CTLCOLORBTN with magenta, so whatever the buttons
// leave unpainted is easy to see.
class HostDialog : public CDialog {
public:
    HostDialog() noexcept;
    // Creates the dialog and shows it at a fixed place on the screen.
    bool Open();

    CPngButton m_close;
    CImageButton m_set;
    CCheckBoxBtn m_consent;
    int m_consentClicks = 0;

    DECLARE_MESSAGE_TABLE()

protected:
    void DoDataExchange(CDataExchange* dx) noexcept override;

private:
    HBRUSH OnCtlColorBtn(HDC dc, HWND control) noexcept;
    void OnClickedConsent() noexcept { ++m_consentClicks; }

    CBrush m_magenta;
};

// The client area of a window as it is on the screen now.
class Snapshot {
public:
    explicit Snapshot(HWND window);
    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// The pixels of a PNG resource at its own size (or of a part of it drawn stretched onto a white
// surface of another size), read through GDI+.
class ImagePixels {
public:
    explicit ImagePixels(UINT pngId);
    ImagePixels(UINT pngId, const RECT& source, int width, int height);
    bool Loaded() const { return m_width > 0; }
    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    void Render(Gdiplus::Image& image, const RECT& source, int width, int height);

    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// Every channel within `tolerance`.
bool Near(COLORREF a, COLORREF b, int tolerance = 6);

// Points that tell every two of `images` apart (up to `perPair` for each pair, spread over the
// image); empty when some pair cannot be told apart anywhere.
std::vector<POINT> TellApartPoints(const std::vector<const ImagePixels*>& images, size_t perPair);

// Index of the image the snapshot shows at every one of `points` (offset by `origin` in the
// snapshot), or -1 when no image matches them all.
int WhichImage(const Snapshot& shot, POINT origin, const std::vector<const ImagePixels*>& images,
               const std::vector<POINT>& points);

// Paints what is pending for `window` (WM_ERASEBKGND/WM_PAINT now) and reads it back.
Snapshot Painted(HWND window);
// Repaints the whole window, erase included, and reads it back.
Snapshot Redrawn(HWND window);
// Sends a mouse message with a client point.
LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);
// Fills the window's client area on the screen, behind the control's back.
void Smear(HWND window, COLORREF colour);

// Screen point of a client point of `window`.
POINT OnScreen(HWND window, int x, int y);
// Keeps the real pointer away from the test windows.
void ParkCursor();

} // namespace halvane::test
