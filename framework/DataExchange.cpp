#include "framework/DataExchange.h"

#include "framework/Wnd.h"

namespace halvane {

void DDX_Control(CDataExchange* dx, int controlId, CWnd& control) noexcept {
    if (dx == nullptr || control.GetSafeHwnd() != nullptr)
        return;
    CWnd* dialog = dx->m_pDlgWnd;
    HWND item = dialog ? ::GetDlgItem(dialog->GetSafeHwnd(), controlId) : nullptr;
    if (item == nullptr || !control.SubclassWindow(item))
        dx->Fail(controlId);
}

} // namespace halvane
