// The inner dialog of a layered pair: a borderless pop-up owned by the outer, lying over the
// skin's opaque face. It paints its background image, lays out the pair's controls, and lets the
// user drag the pair by its caption strip (the outer follows it from the first drag on).
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "controls/PngCache.h"
#include "dialogs/SkinPairParams.h"
#include "framework/Dialog.h"

namespace halvane {

class CSkinFrameChildDlg : public CDialog {
public:
    explicit CSkinFrameChildDlg(const SkinPairParams& params) noexcept;
    ~CSkinFrameChildDlg() override;

    // Copied from the outer before the window is created.
    float m_fScale = 1.0f;

    DECLARE_MESSAGE_TABLE()

protected:
    BOOL OnInitDialog() noexcept override;
    // A close of the inner (Alt+F4, the system menu's Close, WM_CLOSE from another program) is a
    // close of the pair: it goes to the outer, which does what the pair's close means.
    void OnCancel() noexcept override;
    // No key and no command from outside ends the inner on its own: the pair's buttons do.
    void OnOK() noexcept override {}

    // Places the controls from the client rectangle and m_fScale; the first call (right after
    // the background image loaded) also configures them.
    virtual void LayoutControls(bool bFirst) noexcept = 0;
    // The controls let go of what they hold; called while the window is being destroyed, before
    // the background image is deleted.
    virtual void ReleaseControls() noexcept {}

    // Loads the background image on first need; null when the resource is missing.
    Gdiplus::Image* GetBkImage() noexcept;
    const SkinPairParams& Params() const noexcept { return m_params; }

    void OnDestroy() noexcept;
    BOOL OnEraseBkgnd(HDC dc) noexcept;
    void OnSize(UINT type, int cx, int cy) noexcept;
    void OnMove(int x, int y) noexcept;
    LRESULT OnNcHitTest(POINT point) noexcept;

    bool m_initialized = false;
    // Whether the last hit test fell in the caption strip: a move then is a drag.
    bool m_bInCaption = false;

private:
    void DrawBackground(HDC dc, const RECT& client) noexcept;

    const SkinPairParams m_params;
    SharedImage m_bkImage;
};

} // namespace halvane
