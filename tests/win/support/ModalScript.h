// Steps run one after the other from a thread timer while a modal loop pumps messages: set up
// before DoModal, they act on the dialog it shows. A wait that runs out records a failure and
// calls the abort function (which should end the dialog).
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace halvane::test {

class ModalScript {
public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void Do(std::function<void()> action);
    void WaitFor(std::function<bool()> condition, DWORD timeoutMs, std::string what);
    // Waits for the time given, pumping messages meanwhile.
    void Pause(DWORD ms);
    // Starts ticking; steps begin with the next message loop.
    void Start(std::function<void()> abort);
    bool Finished() const noexcept { return m_next >= m_steps.size(); }

private:
    struct Step {
        std::function<bool()> poll; // true: done
        DWORD timeoutMs;
        std::string what;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) noexcept;
    void Run() noexcept;

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    ULONGLONG m_stepStart = 0;
    UINT_PTR m_timer = 0;
    bool m_running = false;
    std::function<void()> m_abort;
};

} // namespace halvane::test
