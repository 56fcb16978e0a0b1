#include "feedbacklib/DesktopShell.h"

#include "framework/KernelHandles.h"

#include <exdisp.h>
#include <oleauto.h>
#include <shlobj.h>

namespace feedbacklib {

namespace {

// Declared here rather than taken from the import libraries, which do not all carry them.
constexpr CLSID kShellWindows = {
    0x9ba05972, 0xf6a8, 0x11cf, {0xa4, 0x42, 0x00, 0xa0, 0xc9, 0x0a, 0x8f, 0x39}};
constexpr GUID kTopLevelBrowser = {
    0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};

class Bstr {
public:
    explicit Bstr(const std::wstring& text)
        : m_text(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { ::SysFreeString(m_text); }
    BSTR Get() const noexcept { return m_text; }

private:
    BSTR m_text;
};

// A VARIANT cleared on every path; empty (VT_EMPTY) unless set.
class Variant {
public:
    Variant() noexcept { ::VariantInit(&m_value); }
    explicit Variant(LONG number) noexcept : Variant() {
        m_value.vt = VT_I4;
        m_value.lVal = number;
    }
    explicit Variant(const std::wstring& text) : Variant() {
        m_value.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (m_value.bstrVal != nullptr)
            m_value.vt = VT_BSTR;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { ::VariantClear(&m_value); }
    const VARIANT& Get() const noexcept { return m_value; }
    VARIANT* Address() noexcept { return &m_value; }
    bool IsText() const noexcept { return m_value.vt == VT_BSTR; }

private:
    VARIANT m_value;
};

} // namespace

bool ProcessRunsElevated(HANDLE process) {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &raw))
        return false;
    const halvane::fw::KernelHandle token(raw);
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    return ::GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof elevation,
                                 &size) &&
           elevation.TokenIsElevated != 0;
}

DesktopShell DesktopShell::Find() {
    DesktopShell shell;
    ComPtr<IShellWindows> windows;
    if (FAILED(::CoCreateInstance(kShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                  __uuidof(IShellWindows), windows.ReceiveVoid())) ||
        !windows)
        return shell;
    Variant desktop(static_cast<LONG>(CSIDL_DESKTOP));
    Variant none;
    long window = 0;
    ComPtr<IDispatch> found;
    // S_FALSE means no such window: only S_OK brings a dispatch object.
    if (windows->FindWindowSW(desktop.Address(), none.Address(), SWC_DESKTOP, &window,
                              SWFO_NEEDDISPATCH, found.Receive()) != S_OK ||
        !found)
        return shell;
    const ComPtr<IServiceProvider> services = found.As<IServiceProvider>();
    ComPtr<IShellBrowser> browser;
    if (!services ||
        FAILED(services->QueryService(kTopLevelBrowser, __uuidof(IShellBrowser),
                                      browser.ReceiveVoid())) ||
        !browser)
        return shell;
    ComPtr<IShellView> view;
    if (FAILED(browser->QueryActiveShellView(view.Receive())) || !view)
        return shell;
    ComPtr<IDispatch> background;
    if (FAILED(
            view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), background.ReceiveVoid())) ||
        !background)
        return shell;
    const ComPtr<IShellFolderViewDual> folderView = background.As<IShellFolderViewDual>();
    ComPtr<IDispatch> application;
    if (!folderView || FAILED(folderView->get_Application(application.Receive())) || !application)
        return shell;
    shell.m_dispatch = application.As<IShellDispatch2>();
    // The window the list gave is the desktop's: its process is the shell's.
    const HWND desktopWindow = reinterpret_cast<HWND>(static_cast<LONG_PTR>(window));
    if (shell.m_dispatch && desktopWindow != nullptr)
        ::GetWindowThreadProcessId(desktopWindow, &shell.m_processId);
    return shell;
}

bool DesktopShell::RunsElevated() const {
    if (m_processId == 0)
        return false;
    const halvane::fw::KernelHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, m_processId));
    return process && ProcessRunsElevated(process.Get());
}

bool DesktopShell::Open(const std::wstring& address) const {
    if (!m_dispatch)
        return false;
    const Bstr file(address);
    const Variant operation(std::wstring(L"open"));
    const Variant show(static_cast<LONG>(SW_SHOWNORMAL));
    const Variant none;
    if (file.Get() == nullptr || !operation.IsText())
        return false;
    // The shell's process may bring the browser to the front.
    ::CoAllowSetForegroundWindow(m_dispatch.Get(), nullptr);
    return SUCCEEDED(
        m_dispatch->ShellExecute(file.Get(), none.Get(), none.Get(), operation.Get(), show.Get()));
}

} // namespace feedbacklib
