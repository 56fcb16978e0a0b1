#include "framework/WinApp.h"

#include <algorithm>

#include "framework/Dialog.h"
#include "framework/MessagePump.h"

namespace halvane {

namespace {
// The one application object, so any dialog can find the main window and the modeless dialogs
// whose messages the loops must route (CWinApp::Current).
CWinApp* g_app = nullptr;
} // namespace

CWinApp::CWinApp() noexcept {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* CWinApp::Current() noexcept {
    return g_app;
}

int CWinApp::Main() noexcept {
    if (!InitInstance())
        return ExitInstance();
    return Run();
}

int CWinApp::Run() noexcept {
    MSG msg{};
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_exitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1)
            break;
        fw::MessagePump::Process(msg, nullptr);
    }
    return ExitInstance();
}

bool CWinApp::AddModeless(CDialog* dialog) noexcept {
    if (dialog == nullptr)
        return false;
    try {
        if (std::find(m_modeless.begin(), m_modeless.end(), dialog) == m_modeless.end())
            m_modeless.push_back(dialog);
        return true;
    } catch (...) {
        return false;
    }
}

void CWinApp::RemoveModeless(CDialog* dialog) noexcept {
    m_modeless.erase(std::remove(m_modeless.begin(), m_modeless.end(), dialog), m_modeless.end());
}

CDialog* CWinApp::FindModeless(HWND window) const noexcept {
    for (CDialog* dialog : m_modeless) {
        HWND h = dialog->GetSafeHwnd();
        if (h != nullptr && (h == window || ::IsChild(h, window)))
            return dialog;
    }
    return nullptr;
}

} // namespace halvane
