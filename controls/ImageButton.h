// CImageButton: the large owner-drawn button of the skinned dialogs ("设置", "更多工具", the
// feedback answers). Like CPngButton it paints four PNG state images over a piece of its owner's
// background, but always over a white fill, also in WM_ERASEBKGND, only for points inside its
// client rectangle, with a disabled state of its own and hit margins for its owner.
//
// EnableButton may be called from another thread (the consent box's). m_nState is therefore
// atomic: a paint reads it once and draws one whole face; the user-interface thread changes it
// with a compare-and-swap, so a value written meanwhile by the other thread is never overwritten
// by a transition computed from the older value.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <atomic>

#include "controls/ButtonGeometry.h"
#include "controls/ButtonImages.h"
#include "controls/ButtonState.h"
#include "framework/Brush.h"
#include "framework/Button.h"

namespace halvane {

class CImageButton : public CButton {
public:
    CImageButton() noexcept;
    ~CImageButton() override;

    // As CPngButton's: an id without a resource leaves its slot as it was, and the button draws
    // nothing until all four slots hold an image.
    void SetPngImages(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId) noexcept;
    void ReleasePngImages() noexcept;
    // The owner's background image (not owned) and the part of it under the button.
    void SetBkImage(Gdiplus::Image* pImage) noexcept { m_pBkImage = pImage; }
    void SetBkImageRect(int left, int top, int right, int bottom) noexcept;
    // Margins by which IsCursorInside shrinks the client rectangle.
    void SetHitMargins(int left, int top, int right, int bottom) noexcept;
    // 1 when the cursor, read now, lies in the client rectangle shrunk by the hit margins.
    BOOL IsCursorInside() const noexcept;
    // TRUE: normal state and an enabled window; FALSE: disabled state and window. Repaints either
    // way. Safe to call from a thread other than the window's.
    void EnableButton(BOOL bEnable) noexcept;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) noexcept override;

    DECLARE_MESSAGE_TABLE()

private:
    void OnMouseMove(UINT nFlags, POINT point) noexcept;
    void OnMouseHover(UINT nFlags, POINT point) noexcept; // also WM_LBUTTONUP
    void OnLButtonDown(UINT nFlags, POINT point) noexcept;
    void OnMouseLeave() noexcept;
    BOOL OnEraseBkgnd(HDC dc) noexcept;
    void Transition(PointerEvent event, bool inside) noexcept;
    bool IsInClient(POINT point) const noexcept;
    // White fill, background piece and face, composed off-screen and copied to `target`.
    void Compose(HDC target) noexcept;

    Gdiplus::Image* m_pBkImage = nullptr;
    RECT m_rcBkImage{};
    CBrush m_fillBrush;
    RECT m_rcClient{};
    CButtonImages m_images;
    std::atomic<int> m_nState{kButtonNormal};
    int m_bTracking = 0;
    HitMargins m_hitMargins;
};

} // namespace halvane
