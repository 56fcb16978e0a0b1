// Shared pieces of the buttons' Wine tests: the panel's own dialog template hosting the controls,
// the skin images' pixels, and which image the screen shows.
#pragma once

#include <windows.h>

#include <vector>

#include "controls/CheckBoxBtn.h"
#include "controls/ImageButton.h"
#include "controls/PngButton.h"
#include "framework/Brush.h"
#include "framework/Dialog.h"
#include "win/support/Capture.h"
#include "win/support/Pixels.h"
#include "win/support/Pump.h"

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

// The pixels of a PNG resource at its own size (or of a part of it drawn stretched onto a white
// surface of another size), read through GDI+; empty when the resource does not load.
Pixels PngPixels(UINT pngId);
Pixels PngPixels(UINT pngId, const RECT& source, int width, int height);

// Points that tell every two of `images` apart (up to `perPair` for each pair, spread over the
// image); empty when some pair cannot be told apart anywhere.
std::vector<POINT> TellApartPoints(const std::vector<const Pixels*>& images, size_t perPair);

// Index of the image the snapshot shows at every one of `points` (offset by `origin` in the
// snapshot), or -1 when no image matches them all.
int WhichImage(const Pixels& shot, POINT origin, const std::vector<const Pixels*>& images,
               const std::vector<POINT>& points);

// Paints what is pending for `window` (WM_ERASEBKGND/WM_PAINT now) and reads it back.
Pixels Painted(HWND window);
// Repaints the whole window, erase included, and reads it back.
Pixels Redrawn(HWND window);
// Sends a mouse message with a client point.
LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);
// Fills the window's client area on the screen, behind the control's back.
void Smear(HWND window, COLORREF colour);

// Screen point of a client point of `window`.
POINT OnScreen(HWND window, int x, int y);
// Keeps the real pointer away from the test windows.
void ParkCursor();

} // namespace halvane::test
