// CPngButton: the small owner-drawn push button of the skinned dialogs (close, minimise, prompt
// answers). It paints itself from four PNG state images over a piece of its owner's background
// image; the caption is part of the images. Clicks reach the owner as ordinary BN_CLICKED.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include "controls/ButtonImages.h"
#include "framework/Brush.h"
#include "framework/Button.h"

namespace halvane {

class CPngButton : public CButton {
public:
    CPngButton() noexcept;
    ~CPngButton() override;

    // Loads the four state images; an id without a resource leaves its slot as it was. The
    // button draws nothing at all until every slot holds an image.
    void SetPngImages(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId) noexcept;
    // Frees the state images; owners call it from their WM_DESTROY handler.
    void ReleasePngImages() noexcept;
    // The owner's background image (not owned; it must outlive the button's last paint) and the
    // part of it that lies under the button, in image pixels.
    void SetBkImage(Gdiplus::Image* pImage) noexcept { m_pBkImage = pImage; }
    void SetBkImageRect(int left, int top, int right, int bottom) noexcept;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) noexcept override;

    // The owner's display scale factor, set before the first paint.
    float m_fScale = 1.0f;

    DECLARE_MESSAGE_TABLE()

private:
    void OnMouseMove(UINT nFlags, POINT point) noexcept;
    void OnMouseHover(UINT nFlags, POINT point) noexcept; // also WM_LBUTTONUP
    void OnLButtonDown(UINT nFlags, POINT point) noexcept;
    void OnMouseLeave() noexcept;
    void ChangeState(int next) noexcept;

    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBkImage{};
    CBrush m_fillBrush;
    CButtonImages m_images;
    int m_nState = 1;
    int m_bTracking = 0; // a hover/leave request is pending
};

} // namespace halvane
