// The outer dialog of a layered pair: a layered pop-up whose only content is the pair's skin
// image with per-pixel alpha. It creates the inner dialog over the skin's face at the pair's
// insets and keeps the two together: the inner follows the outer until the user first drags the
// inner by its caption strip, and from then on the outer follows the inner.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "controls/PngCache.h"
#include "dialogs/SkinFrameChildDlg.h"
#include "dialogs/SkinPairParams.h"
#include "framework/CenterPlacement.h"
#include "framework/Dialog.h"

namespace halvane {

class CSkinFrameDlg : public CDialog {
public:
    CSkinFrameDlg(const SkinPairParams& params, CWnd* parent) noexcept;
    ~CSkinFrameDlg() override;

    // The inner was dragged to (left, top, right, bottom): the outer goes around it, and from
    // now on the outer's own moves leave the inner where it is.
    void FollowChild(int left, int top, int right, int bottom) noexcept;

    // The inner dialog object; null before OnInitDialog and after the window is destroyed.
    CSkinFrameChildDlg* GetChildDlg() const noexcept { return m_childDlg.get(); }

    // Set before the window is created; the outer hands it to the inner.
    float m_fScale = 1.0f;

    DECLARE_MESSAGE_TABLE()

protected:
    BOOL OnInitDialog() noexcept override;
    // The pair's inner object, holding the pair's data; the frame sets its scale and creates its
    // window. Null when it cannot be made.
    virtual std::unique_ptr<CSkinFrameChildDlg> CreateChildDlg() noexcept = 0;
    // Where the new inner goes for the outer's window rectangle: the pair's insets.
    virtual fw::IntRect InitialChildRect(const fw::IntRect& outer) const noexcept;
    // Loads the skin on first need and shows it at the pair's scaled outer size.
    BOOL PaintLayeredSkin() noexcept;
    // The skin could not be loaded: neither skin nor inner would show, so a modal pair ends
    // rather than block invisibly.
    virtual void OnSkinMissing() noexcept;

    void OnDestroy() noexcept;
    void OnMove(int x, int y) noexcept;
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam) noexcept;

    const SkinPairParams& Params() const noexcept { return m_params; }

    // While true, a move of the outer moves the inner with it.
    bool m_bMoveChild = true;
    // How the inner is shown when the outer shows itself.
    int m_showChildCmd = SW_SHOWNA;

private:
    const SkinPairParams m_params;
    SharedImage m_skin;
    std::unique_ptr<CSkinFrameChildDlg> m_childDlg;
};

} // namespace halvane
