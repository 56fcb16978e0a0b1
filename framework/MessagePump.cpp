#include "framework/MessagePump.h"

#include "framework/Dialog.h"
#include "framework/WinApp.h"

namespace halvane::fw {

namespace {

bool Contains(HWND dialog, HWND window) noexcept {
    return dialog != nullptr && (window == dialog || ::IsChild(dialog, window));
}

} // namespace

bool MessagePump::PreTranslate(MSG& msg, CDialog* modal) noexcept {
    if (msg.hwnd == nullptr)
        return false;
    CDialog* target = nullptr;
    if (modal != nullptr && Contains(modal->GetSafeHwnd(), msg.hwnd))
        target = modal;
    else if (CWinApp* app = CWinApp::Current())
        target = app->FindModeless(msg.hwnd);
    return target != nullptr && target->PreTranslateMessage(&msg);
}

void MessagePump::Process(MSG& msg, CDialog* modal) noexcept {
    if (PreTranslate(msg, modal))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

} // namespace halvane::fw
