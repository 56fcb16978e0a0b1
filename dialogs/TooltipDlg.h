// CTooltipDlg: the agreement pop-up, a modeless layered pair (skin 191 around the inner
// CTooltipChildDlg, which shows the agreement text with a skinned scroll bar). The panel creates
// it once from template 136, places it with MoveWindow and then only shows and hides it with
// ShowWindow and ShowChildDlg. Every move of the outer brings the inner along. A close of either
// window (Alt+F4, the system menu's Close, WM_CLOSE) hides the pair, as a press outside it does.
#pragma once

#include "dialogs/SkinFrameDlg.h"
#include "dialogs/TooltipChildDlg.h"

namespace halvane {

class CTooltipDlg : public CSkinFrameDlg {
public:
    explicit CTooltipDlg(CWnd* pParent = nullptr) noexcept;
    ~CTooltipDlg() override;

    // Shows (SW_SHOW) or hides the inner; called together with showing or hiding the outer.
    void ShowChildDlg(BOOL bShow) noexcept;

    // The inner dialog object; null before the window is created or when the skin is missing.
    CTooltipChildDlg* GetTooltipChild() const noexcept;

protected:
    BOOL OnInitDialog() noexcept override;
    std::unique_ptr<CSkinFrameChildDlg> CreateChildDlg() noexcept override;
    fw::IntRect InitialChildRect(const fw::IntRect& outer) const noexcept override;
};

} // namespace halvane
