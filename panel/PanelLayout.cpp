#include "panel/PanelLayout.h"

namespace halvane {

namespace {
using fw::Trunc;
} // namespace

PanelLayout LayoutPanel(const fw::IntRect& client, float scale, int charWidth,
                        int feedbackTextWidth) noexcept {
    const double s = scale;
    const int L = client.left;
    const int T = client.top;
    const int R = client.right;
    const int B = client.bottom;
    PanelLayout p;

    p.close.left = Trunc(R - 31.2 * s);
    p.close.top = T;
    p.close.right = Trunc(p.close.left + 26 * s);
    p.close.bottom = Trunc(p.close.top + 34 * s);

    p.minimise.left = Trunc(R - 59.8 * s);
    p.minimise.top = T;
    p.minimise.right = Trunc(p.minimise.left + 26 * s);
    p.minimise.bottom = Trunc(p.minimise.top + 34 * s);

    p.versionText.left = Trunc(188 * s) + L;
    p.versionText.top = Trunc(16 * s) + T;
    p.versionText.right = Trunc(100 * s) + p.versionText.left;
    p.versionText.bottom = Trunc(15 * s) + p.versionText.top;

    p.modeList.left = Trunc(40 * s) + L;
    p.modeList.top = Trunc(300 * s - 35 * s) + T;
    p.modeList.right = R - Trunc(40 * s);
    p.modeList.bottom = Trunc(20 * s) + p.modeList.top;

    p.setButton.left = Trunc(200 * s - 123 * s) + L;
    p.setButton.top = Trunc(300 * s + 9 * s) + T;
    p.setButton.right = Trunc(246 * s) + p.setButton.left;
    p.setButton.bottom = Trunc(47 * s) + p.setButton.top;

    // At the skin's own width (or less) the button keeps its unscaled place and size.
    if (client.Width() > kPanelSkinWidth) {
        p.moreTools.left = Trunc(50 * s) + L;
        p.moreTools.top = B - Trunc(55 * s);
        p.moreTools.right = Trunc(58 * s) + p.moreTools.left;
        p.moreTools.bottom = Trunc(18 * s) + p.moreTools.top;
        p.moreToolsImage = kMoreToolsImageRect;
    } else {
        p.moreTools.left = L + 50;
        p.moreTools.top = B - 55;
        p.moreTools.right = p.moreTools.left + 58;
        p.moreTools.bottom = p.moreTools.top + 18;
        p.moreToolsImage = p.moreTools;
    }

    const int lineTop = Trunc(B - 25 * s);
    const int lineBottom = Trunc(lineTop + 20 * s);

    p.consentBox.left = Trunc(8 * s);
    p.consentBox.top = lineTop;
    p.consentBox.right = Trunc(p.consentBox.left + 16 * s + 2 * charWidth + 2);
    p.consentBox.bottom = lineBottom;

    p.agreementLink.left = p.consentBox.right + 6;
    p.agreementLink.top = lineTop;
    p.agreementLink.right = p.agreementLink.left + 14 * charWidth;
    p.agreementLink.bottom = lineBottom;

    const int feedbackWidth = Trunc(feedbackTextWidth + 4 * s + 2 + 6);
    p.feedbackLink.left = R - feedbackWidth - 6;
    p.feedbackLink.top = lineTop;
    p.feedbackLink.right = R - 6;
    p.feedbackLink.bottom = lineBottom;
    return p;
}

fw::IntRect PromptLineRect(const fw::IntRect& client, float scale) noexcept {
    const double s = scale;
    fw::IntRect r;
    r.left = Trunc(40 * s) + client.left;
    r.top = Trunc(300 * s - 60 * s) + client.top;
    r.right = client.right - Trunc(40 * s);
    r.bottom = Trunc(20 * s) + r.top;
    return r;
}

fw::IntRect AgreementPopupRect(const fw::IntRect& panelWindow, float scale) noexcept {
    const double s = scale;
    const int x = Trunc(panelWindow.left + 2 * s);
    const int y = Trunc(panelWindow.top + 108 * s);
    const int width = Trunc(panelWindow.Width() - 2 * s);
    const int height = Trunc(panelWindow.Height() - 128 * s);
    return fw::IntRect{x, y, x + width, y + height};
}

} // namespace halvane
