#include "framework/Button.h"

namespace halvane {

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) noexcept {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result != nullptr)
        *result = TRUE;
    return TRUE;
}

} // namespace halvane
