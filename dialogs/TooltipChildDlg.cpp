#include "dialogs/TooltipChildDlg.h"

#include "controls/SkinScrollWnd.h"
#include "dialogs/AgreementText.h"
#include "dialogs/TooltipLayout.h"
#include "res/resource.h"

namespace halvane {

CTooltipChildDlg::CTooltipChildDlg() noexcept : CSkinFrameChildDlg(kTooltipPair) {}

CTooltipChildDlg::~CTooltipChildDlg() = default;

void CTooltipChildDlg::DoDataExchange(CDataExchange* pDX) noexcept {
    CSkinFrameChildDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AGREEMENT_TEXT, m_richEdit);
}

void CTooltipChildDlg::InitContent(BOOL bFill) noexcept {
    if (!m_richEdit.IsWindow())
        return;
    RECT client{};
    GetClientRect(&client);
    const fw::IntRect text =
        AgreementTextRect({client.left, client.top, client.right, client.bottom}, m_fScale);
    m_richEdit.MoveWindow(RECT{text.left, text.top, text.right, text.bottom}, TRUE);
    if (!bFill || m_filled)
        return;
    m_filled = true;
    // A missing bitmap leaves a null handle: the frame then draws no bar cells.
    m_scrollBitmap.LoadBitmap(IDB_SCROLLBAR);
    AttachSkinScrollBar(&m_richEdit, m_scrollBitmap, m_fScale, 0);
    try {
        m_richEdit.SetWindowText(BuildAgreementText().c_str());
    } catch (...) {
        // Out of memory: the text stays empty.
    }
}

void CTooltipChildDlg::ReleaseControls() noexcept {
    m_scrollBitmap.DeleteObject();
}

} // namespace halvane
