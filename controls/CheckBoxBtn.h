// CCheckBoxBtn: the skinned check box (the panel's consent box). The platform's auto check box
// keeps its behaviour (toggle, BN_CLICKED, BM_GETCHECK/BM_SETCHECK); only the painting is ours:
// a 16 x 16 cell of PNG 140 scaled by the owner's factor, and the window text beside it on white.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "controls/PngCache.h"
#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/Button.h"
#include "framework/DC.h"
#include "framework/Font.h"

namespace halvane {

class CCheckBoxBtn : public CButton {
public:
    CCheckBoxBtn() noexcept;
    ~CCheckBoxBtn() override;

    // The control's font: a copy of its parent's font (else the stock GUI font, else the ANSI
    // variable font). Called once by the owner before the first paint.
    void InitFont() noexcept;

    // The owner's display scale factor, set before the first paint.
    float m_fScale = 1.0f;

    DECLARE_MESSAGE_TABLE()

private:
    void OnPaint() noexcept;
    void OnMButtonDown(UINT nFlags, POINT point) noexcept;
    // The kept off-screen surface, made at the first paint and again only if the size changed.
    bool PrepareSurface(HDC paintDC, int width, int height) noexcept;
    // Box and text into the memory DC; nothing while PNG 140 cannot be loaded.
    void DrawBoxAndText() noexcept;

    SharedImage m_pBoxImage;
    CDC m_memDC;
    CBitmap m_memBitmap;
    SIZE m_memSize{};
    CBrush m_fillBrush;
    RECT m_rcClient{};
    CFont m_font;
    COLORREF m_textColor = RGB(0, 0, 0);
};

} // namespace halvane
