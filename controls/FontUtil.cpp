#include "controls/FontUtil.h"

#include "controls/FontDerive.h"
#include "framework/ScopedSelect.h"

namespace halvane {

namespace {

LOGFONTW DerivedLogFont(HWND window, int sizeDelta, int weight) noexcept {
    auto base =
        window ? reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)) : nullptr;
    if (base == nullptr)
        base = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (base == nullptr)
        base = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    // With no font at all the record stays zero and the system picks the font.
    LOGFONTW record{};
    if (base != nullptr)
        ::GetObjectW(base, sizeof(record), &record);
    const FontSize derived =
        DeriveFontSize(FontSize{record.lfHeight, record.lfWeight}, sizeDelta, weight);
    record.lfHeight = derived.height;
    record.lfWeight = derived.weight;
    return record;
}

} // namespace

void CreateDerivedFontOf(HWND window, int sizeDelta, int weight, CFont& font) noexcept {
    const LOGFONTW record = DerivedLogFont(window, sizeDelta, weight);
    font.CreateFontIndirect(&record);
}

void CreateDerivedFont(const CWnd* window, int sizeDelta, int weight, CFont& font) noexcept {
    CreateDerivedFontOf(window ? window->GetSafeHwnd() : nullptr, sizeDelta, weight, font);
}

int GetTextWidth(const CWnd* window, HDC dc, std::wstring text, int sizeDelta,
                 int weight) noexcept {
    if (window == nullptr || window->GetSafeHwnd() == nullptr || dc == nullptr)
        return -1;
    CFont font;
    CreateDerivedFont(window, sizeDelta, weight, font);
    SIZE extent{};
    {
        // Selected only while measuring: the previous font is back before the font is deleted.
        fw::ScopedSelect select(dc, font.GetSafeHandle());
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    return extent.cx;
}

} // namespace halvane
