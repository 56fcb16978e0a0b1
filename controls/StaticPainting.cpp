#include "controls/StaticPainting.h"

namespace halvane {

static_assert(textformat::kCenter == DT_CENTER && textformat::kRight == DT_RIGHT &&
              textformat::kVCenter == DT_VCENTER && textformat::kWordBreak == DT_WORDBREAK &&
              textformat::kSingleLine == DT_SINGLELINE &&
              textformat::kExternalLeading == DT_EXTERNALLEADING &&
              textformat::kCalcRect == DT_CALCRECT && textformat::kEditControl == DT_EDITCONTROL);

bool ReadWindowText(HWND window, std::wstring& text) noexcept {
    text.clear();
    if (window == nullptr)
        return false;
    try {
        const int length = ::GetWindowTextLengthW(window);
        if (length <= 0)
            return true;
        text.resize(static_cast<std::size_t>(length) + 1);
        const int copied = ::GetWindowTextW(window, text.data(), length + 1);
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        return true;
    } catch (...) {
        text.clear();
        return false;
    }
}

LRESULT SetTextAndInvalidate(HWND window, WPARAM wParam, LPARAM lParam) noexcept {
    const LRESULT result = ::DefWindowProcW(window, WM_SETTEXT, wParam, lParam);
    ::InvalidateRect(window, nullptr, TRUE);
    return result;
}

void DrawImagePart(HDC dc, Gdiplus::Image* image, const RECT& source, const RECT& target,
                   bool highQuality) noexcept {
    if (image == nullptr)
        return;
    Gdiplus::Graphics graphics(dc);
    if (highQuality)
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    graphics.DrawImage(image,
                       Gdiplus::Rect(target.left, target.top, target.right - target.left,
                                     target.bottom - target.top),
                       source.left, source.top, source.right - source.left,
                       source.bottom - source.top, Gdiplus::UnitPixel);
}

void DrawLaidOutText(HDC dc, const std::wstring& text, RECT& client,
                     const TextLayout& layout) noexcept {
    if (!layout.drawsText)
        return;
    const int length = static_cast<int>(text.size());
    if (layout.centredBlock) {
        RECT measured{client.left, client.top, client.right, client.top + kMeasureRectHeight};
        ::DrawTextW(dc, text.c_str(), length, &measured, layout.measureFormat);
        client.top =
            CentredBlockTop(client.top, client.bottom - client.top, measured.bottom - measured.top);
    }
    ::DrawTextW(dc, text.c_str(), length, &client, layout.drawFormat);
}

} // namespace halvane
