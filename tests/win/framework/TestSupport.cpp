#include "TestSupport.h"

namespace halvane::test {

const fw::MessageTable& ScriptedDialog::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<kStepMessage, &ScriptedDialog::OnStep>(),
        fw::OnMessage<WM_TIMER, &ScriptedDialog::OnTimer>(),
    };
    static const fw::MessageTable table{&CDialog::Messages(), entries};
    return table;
}

BOOL ScriptedDialog::OnInitDialog() noexcept {
    CDialog::OnInitDialog();
    SetTimer(kWatchdogTimer, 60000);
    Start();
    return TRUE;
}

void ScriptedDialog::Start() noexcept {
    PostMessage(kStepMessage);
}

LRESULT ScriptedDialog::OnStep(WPARAM, LPARAM) {
    if (m_next >= m_steps.size())
        return 0;
    // Steps may end or destroy the dialog: the next one is posted only while it is open.
    m_steps[m_next++](*this);
    if (GetSafeHwnd() != nullptr && m_next < m_steps.size())
        PostMessage(kStepMessage);
    return 0;
}

void ScriptedDialog::OnTimer(UINT_PTR id) noexcept {
    if (id == kWatchdogTimer)
        EndDialog(-99);
}

BOOL ScriptedDialog::PreTranslateMessage(MSG* msg) noexcept {
    if (msg->message == WM_KEYDOWN) {
        m_log.push_back("down:" + std::to_string(msg->wParam));
        if (m_swallowEnterEsc && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
            return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void ScriptedDialog::OnCancel() noexcept {
    ++m_cancelCalls;
    CDialog::OnCancel();
}

} // namespace halvane::test
