#include "feedbacklib/WebOpener.h"

#include "feedbacklib/DesktopShell.h"
#include "feedbacklib/WebAddress.h"
#include "feedbacklib/WideText.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace feedbacklib {

namespace {

// Both routes want COM on this thread: the shell's objects are reached through it, and
// ShellExecute may hand the address to a COM or DDE handler.
class ComScope {
public:
    ComScope()
        : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(m_result))
            ::CoUninitialize();
    }

private:
    HRESULT m_result;
};

ShellOpen OpenThroughDesktopShell(const std::wstring& address) {
    const DesktopShell shell = DesktopShell::Find();
    if (!shell)
        return ShellOpen::NoRoute;
    if (shell.RunsElevated())
        return ShellOpen::SameRights;
    return shell.Open(address) ? ShellOpen::Opened : ShellOpen::NoRoute;
}

bool OpenHere(const std::wstring& address) {
    const HINSTANCE result =
        ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

WebOpenRoutes SystemWebOpenRoutes() {
    return {[] { return ProcessRunsElevated(::GetCurrentProcess()); }, OpenThroughDesktopShell,
            OpenHere};
}

bool OpenWebAddress(const std::string& utf8Address) {
    return OpenWebAddress(utf8Address, SystemWebOpenRoutes());
}

bool OpenWebAddress(const std::string& utf8Address, const WebOpenRoutes& routes) {
    if (!IsOpenableWebAddress(utf8Address))
        return false;
    const std::wstring address = ToWide(utf8Address);
    const ComScope com;
    if (routes.runsElevated() && routes.openThroughShell(address) == ShellOpen::Opened)
        return true;
    return routes.openHere(address);
}

} // namespace feedbacklib
