#include "feedbacklib/WebOpener.h"

#include "feedbacklib/WebAddress.h"
#include "feedbacklib/WideText.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace feedbacklib {

namespace {

// ShellExecute may hand the address to a COM or DDE handler: it wants COM on this thread.
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

} // namespace

bool OpenWebAddress(const std::string& utf8Address) {
    if (!IsOpenableWebAddress(utf8Address))
        return false;
    const std::wstring address = ToWide(utf8Address);
    const ComScope com;
    const HINSTANCE result =
        ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace feedbacklib
