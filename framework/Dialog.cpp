#include "framework/Dialog.h"

#include "framework/DialogTemplateHeader.h"
#include "framework/MessagePump.h"
#include "framework/ResourceHandle.h"
#include "framework/ScopedWindowDisable.h"
#include "framework/WinApp.h"

namespace halvane {

namespace {

HWND MainWindow() noexcept {
    CWinApp* app = CWinApp::Current();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

HWND TopLevelAbove(HWND window) noexcept {
    HWND top = window;
    for (HWND up = window; up != nullptr; up = ::GetParent(up))
        top = up;
    return top;
}

} // namespace

CDialog::~CDialog() {
    // ~CWnd cannot reach OnUnbound any more: drop the dialog's own state here.
    if (GetSafeHwnd() != nullptr)
        ::SetWindowLongPtrW(GetSafeHwnd(), DWLP_USER, 0);
    Unregister();
}

const fw::MessageTable& CDialog::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnClicked<IDOK, &CDialog::OnOK>(),
        fw::OnClicked<IDCANCEL, &CDialog::OnCancel>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) noexcept {
    // Every other message reaches the object through the subclass installed here.
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* self = reinterpret_cast<CDialog*>(lParam);
    if (self == nullptr || self->GetSafeHwnd() != nullptr)
        return TRUE;
    return self->HandleInitDialog(window);
}

INT_PTR CDialog::HandleInitDialog(HWND window) noexcept {
    if (!Bind(window))
        return TRUE;
    ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    if (!m_modal) {
        if (CWinApp* app = CWinApp::Current())
            m_registered = app->AddModeless(this);
    }
    RECT before{};
    ::GetWindowRect(window, &before);
    const BOOL result = OnInitDialog();
    if (m_modal && m_continueModal && GetSafeHwnd() == window && ShouldAutoCenter(before))
        CenterWindow();
    return result;
}

bool CDialog::ShouldAutoCenter(const RECT& before) const noexcept {
    // The system places these itself, and a shown or moved dialog was placed by its own code.
    if ((m_templateStyle & (WS_VISIBLE | WS_CHILD | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) != 0)
        return false;
    if (::IsWindowVisible(GetSafeHwnd()))
        return false;
    RECT now{};
    ::GetWindowRect(GetSafeHwnd(), &now);
    return now.left == before.left && now.top == before.top;
}

BOOL CDialog::OnInitDialog() noexcept {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) noexcept {
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

void CDialog::OnOK() noexcept {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() noexcept {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) noexcept {
    m_nModalResult = result;
    if (m_modal) {
        m_continueModal = false;
        // Wakes the loop when this runs inside a message sent from another thread.
        if (GetSafeHwnd() != nullptr)
            ::PostMessageW(GetSafeHwnd(), WM_NULL, 0, 0);
    } else if (GetSafeHwnd() != nullptr) {
        ::ShowWindow(GetSafeHwnd(), SW_HIDE);
    }
}

HWND CDialog::CreateFromTemplate(HWND owner) noexcept {
    HINSTANCE instance = fw::GetResourceHandle();
    HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(m_nIDTemplate), RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return nullptr;
    const auto header = fw::ParseDialogTemplateHeader(bytes, ::SizeofResource(instance, found));
    m_templateStyle = header ? header->style : 0;
    return ::CreateDialogIndirectParamW(instance, static_cast<LPCDLGTEMPLATEW>(bytes), owner,
                                        &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND CDialog::ModalOwner() const noexcept {
    HWND owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (owner == nullptr) {
        HWND main = MainWindow();
        // The main window run modally has no owner of its own.
        if (main == nullptr || main == GetSafeHwnd())
            return nullptr;
        return ::GetLastActivePopup(main);
    }
    // A pop-up cannot be owned by a child window.
    while (owner != nullptr && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD) != 0)
        owner = ::GetParent(owner);
    return owner;
}

INT_PTR CDialog::DoModal() noexcept {
    if (GetSafeHwnd() != nullptr || m_modal)
        return -1;
    HWND owner = ModalOwner();
    HWND top = owner ? TopLevelAbove(owner) : nullptr;
    fw::ScopedWindowDisable disableOwner(owner);
    fw::ScopedWindowDisable disableTop(top != owner ? top : nullptr);

    m_modal = true;
    m_continueModal = true;
    m_nModalResult = -1;
    HWND window = CreateFromTemplate(owner);
    if (window != nullptr && m_continueModal && GetSafeHwnd() == window) {
        ::ShowWindow(window, SW_SHOWNORMAL);
        RunModalLoop();
    }
    // Hidden before the owner is enabled, so activation returns to the owner cleanly.
    if (GetSafeHwnd() != nullptr)
        ::SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    disableTop.Restore();
    disableOwner.Restore();
    if (owner != nullptr && window != nullptr && ::GetActiveWindow() == window)
        ::SetActiveWindow(owner);
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    m_modal = false;
    m_continueModal = false;
    return m_nModalResult;
}

void CDialog::RunModalLoop() noexcept {
    MSG msg{};
    while (m_continueModal && GetSafeHwnd() != nullptr) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends every loop: leave it for the loop outside this one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        fw::MessagePump::Process(msg, this);
    }
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) noexcept {
    if (GetSafeHwnd() != nullptr || m_modal)
        return FALSE;
    m_nIDTemplate = templateId;
    if (parent != nullptr)
        m_pParentWnd = parent;
    HWND owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : MainWindow();
    HWND window = CreateFromTemplate(owner);
    return window != nullptr && GetSafeHwnd() == window;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) noexcept {
    HWND self = GetSafeHwnd();
    if (msg == nullptr)
        return FALSE;
    if (m_bSwallowEnterEsc && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN))
        return TRUE;
    if (self == nullptr)
        return FALSE;
    // Keys of this dialog and its controls go through the dialog manager (Tab, Enter, Esc, ...).
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return FALSE;
    if (msg->hwnd != self && !::IsChild(self, msg->hwnd))
        return FALSE;
    return ::IsDialogMessageW(self, msg);
}

void CDialog::OnUnbound() noexcept {
    ::SetWindowLongPtrW(GetSafeHwnd(), DWLP_USER, 0);
    Unregister();
}

void CDialog::Unregister() noexcept {
    if (!m_registered)
        return;
    m_registered = false;
    if (CWinApp* app = CWinApp::Current())
        app->RemoveModeless(this);
}

} // namespace halvane
