#include "dialogs/TooltipDlg.h"

#include <new>

#include "dialogs/TooltipLayout.h"

namespace halvane {

CTooltipDlg::CTooltipDlg(CWnd* pParent) noexcept : CSkinFrameDlg(kTooltipPair, pParent) {}

CTooltipDlg::~CTooltipDlg() = default;

BOOL CTooltipDlg::OnInitDialog() noexcept {
    CSkinFrameDlg::OnInitDialog();
    // The text is laid out once, from the inner's size at creation, and filled in once.
    if (CTooltipChildDlg* child = GetTooltipChild())
        child->InitContent(TRUE);
    return TRUE;
}

std::unique_ptr<CSkinFrameChildDlg> CTooltipDlg::CreateChildDlg() noexcept {
    return std::unique_ptr<CSkinFrameChildDlg>(new (std::nothrow) CTooltipChildDlg);
}

fw::IntRect CTooltipDlg::InitialChildRect(const fw::IntRect& outer) const noexcept {
    return TooltipInitialInnerRect(outer, m_fScale);
}

CTooltipChildDlg* CTooltipDlg::GetTooltipChild() const noexcept {
    return dynamic_cast<CTooltipChildDlg*>(GetChildDlg());
}

void CTooltipDlg::ShowChildDlg(BOOL bShow) noexcept {
    CSkinFrameChildDlg* child = GetChildDlg();
    if (child != nullptr && child->IsWindow())
        child->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

} // namespace halvane
