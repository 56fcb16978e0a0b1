#include "win/support/Text.h"

#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "framework/ScopedSelect.h"
#include "win/support/Capture.h"

namespace halvane::test {

int LineHeight(HFONT font, bool externalLeading) {
    const CClientDC screen(nullptr);
    const fw::ScopedSelect select(screen, font);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(screen, &tm);
    return tm.tmHeight + (externalLeading ? tm.tmExternalLeading : 0);
}

int TextExtent(HFONT font, const std::wstring& text) {
    const CClientDC screen(nullptr);
    const fw::ScopedSelect select(screen, font);
    SIZE size{};
    ::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

Pixels RenderText(HFONT font, const std::wstring& text, int width, int height, RECT rect,
                  UINT format, COLORREF ink, COLORREF fill) {
    DibSurface surface(width, height);
    if (!surface.IsValid())
        return Pixels();
    const RECT all{0, 0, width, height};
    const CBrush brush(fill);
    ::FillRect(surface.Dc(), &all, brush);
    ::SetBkMode(surface.Dc(), TRANSPARENT);
    ::SetTextColor(surface.Dc(), ink);
    const fw::ScopedSelect select(surface.Dc(), font);
    ::DrawTextW(surface.Dc(), text.c_str(), static_cast<int>(text.size()), &rect, format);
    return surface.Read();
}

} // namespace halvane::test
