#include "win/support/ModalScript.h"

#include <gtest/gtest.h>

namespace halvane::test {

namespace {
ModalScript* g_script = nullptr; // the one script ticking
}

ModalScript::ModalScript() = default;

ModalScript::~ModalScript() {
    if (m_timer != 0)
        ::KillTimer(nullptr, m_timer);
    if (g_script == this)
        g_script = nullptr;
}

void ModalScript::Do(std::function<void()> action) {
    m_steps.push_back({[action] {
                           action();
                           return true;
                       },
                       0, "action"});
}

void ModalScript::WaitFor(std::function<bool()> condition, DWORD timeoutMs, std::string what) {
    m_steps.push_back({std::move(condition), timeoutMs, std::move(what)});
}

void ModalScript::Pause(DWORD ms) {
    m_steps.push_back({[] { return false; }, ms, ""});
}

void ModalScript::Start(std::function<void()> abort) {
    m_abort = std::move(abort);
    g_script = this;
    m_stepStart = ::GetTickCount64();
    m_timer = ::SetTimer(nullptr, 0, 15, &ModalScript::Tick);
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
    if (g_script != nullptr)
        g_script->Run();
}

void ModalScript::Run() noexcept {
    // A step that pumps messages itself must not be re-entered by the next tick.
    if (m_running)
        return;
    m_running = true;
    while (m_next < m_steps.size()) {
        Step& step = m_steps[m_next];
        const bool done = step.poll();
        const ULONGLONG elapsed = ::GetTickCount64() - m_stepStart;
        if (!done) {
            if (elapsed < step.timeoutMs)
                break;
            if (!step.what.empty()) {
                ADD_FAILURE() << "gave up waiting for " << step.what;
                m_next = m_steps.size();
                if (m_abort)
                    m_abort();
                break;
            }
        }
        ++m_next;
        m_stepStart = ::GetTickCount64();
    }
    if (m_next >= m_steps.size() && m_timer != 0) {
        ::KillTimer(nullptr, m_timer);
        m_timer = 0;
    }
    m_running = false;
}

} // namespace halvane::test
