// CDialog: dialogs from resource templates, run modally with the framework's own loop or created
// modeless.
//
// DoModal: the owner is the parent given at construction (its top-level pop-up if it is a child)
// or, without one, the application's main window's last active pop-up. The owner (and the
// top-level window above it) is disabled for the loop and enabled again before the dialog is
// destroyed. After OnInitDialog a dialog that is still hidden, did not move and whose template
// asks for no position of its own is centred over the owner (CWnd::CenterWindow). The loop gives
// each message to the PreTranslateMessage of the dialog it belongs to (this one, or a modeless
// dialog of the application) before TranslateMessage/DispatchMessage; CDialog's own
// PreTranslateMessage runs IsDialogMessage; a dialog that sets m_bSwallowEnterEsc in its
// constructor has both keys swallowed before the dialog manager sees them.
#pragma once

#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

namespace halvane {

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr) noexcept
        : m_nIDTemplate(templateId), m_pParentWnd(parent) {}
    ~CDialog() override;

    // IDOK/IDCANCEL or the value given to EndDialog; -1 if the dialog could not be created or its
    // window was destroyed without EndDialog.
    virtual INT_PTR DoModal() noexcept;
    // Modeless; a null parent means the application's main window. Registered with the
    // application so its loops route this dialog's messages to PreTranslateMessage.
    BOOL Create(UINT templateId, CWnd* parent = nullptr) noexcept;
    // Ends the modal loop with `result`; a modeless dialog is only hidden.
    void EndDialog(int result) noexcept;
    // Runs DoDataExchange; FALSE when a control could not be exchanged.
    BOOL UpdateData(BOOL saveAndValidate = TRUE) noexcept;
    BOOL IsModal() const noexcept { return m_modal; }

    BOOL PreTranslateMessage(MSG* msg) noexcept override;

    DECLARE_MESSAGE_TABLE()

protected:
    // Base: UpdateData(FALSE) (binds the DDX_Control members); TRUE gives the first control focus.
    virtual BOOL OnInitDialog() noexcept;
    virtual void DoDataExchange(CDataExchange*) noexcept {}
    // IDOK: UpdateData(TRUE), then EndDialog(IDOK). IDCANCEL and WM_CLOSE: EndDialog(IDCANCEL).
    virtual void OnOK() noexcept;
    virtual void OnCancel() noexcept;

    void OnUnbound() noexcept override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    // Enter and Esc never reach the dialog manager: neither key may end the dialog.
    bool m_bSwallowEnterEsc = false;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    INT_PTR HandleInitDialog(HWND window) noexcept;
    HWND CreateFromTemplate(HWND owner) noexcept;
    HWND ModalOwner() const noexcept;
    void RunModalLoop() noexcept;
    bool ShouldAutoCenter(const RECT& before) const noexcept;
    void Unregister() noexcept;

    bool m_modal = false;
    bool m_continueModal = false;
    bool m_registered = false;
    int m_nModalResult = -1;
    DWORD m_templateStyle = 0;
};

} // namespace halvane
