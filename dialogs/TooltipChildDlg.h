// CTooltipChildDlg: the agreement pop-up's inner dialog: a read-only rich edit holding the
// agreement text, its standard scroll bar replaced by the skinned one (bitmap 182). It paints
// the top-left 540 x 384 of PNG 191 as its background; the text is laid out once, not on resize.
#pragma once

#include "dialogs/SkinFrameChildDlg.h"
#include "framework/Bitmap.h"
#include "framework/RichEditCtrl.h"

namespace halvane {

class CTooltipChildDlg : public CSkinFrameChildDlg {
public:
    CTooltipChildDlg() noexcept;
    ~CTooltipChildDlg() override;

    // Puts the rich edit trunc(8 * m_fScale) inside the client rectangle; with bFill also gives
    // it the skinned scroll bar and the agreement text (done once, later calls only lay out).
    void InitContent(BOOL bFill) noexcept;

    CRichEditCtrl& GetTextCtrl() noexcept { return m_richEdit; }
    // The scroll bar's skin cells; null before InitContent or when the bitmap is missing.
    HBITMAP GetScrollBitmap() const noexcept { return m_scrollBitmap.GetSafeHandle(); }

protected:
    void DoDataExchange(CDataExchange* pDX) noexcept override;
    // Nothing to place here: InitContent lays the text out once.
    void LayoutControls(bool) noexcept override {}
    void ReleaseControls() noexcept override;

private:
    CRichEditCtrl m_richEdit;
    CBitmap m_scrollBitmap;
    bool m_filled = false;
};

} // namespace halvane
