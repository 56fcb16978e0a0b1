// Whether the tool may run at all, decided while the panel's dialog is initialised: engine and
// mouse hook get the panel's window, the system must be supported, the feedback library must
// load and initialise. Later, once, the library is asked for a newer version. A failed check or
// a newer version prompts and ends the process.
#pragma once

#include <windows.h>

#include "panel/StartupChecks.h"

namespace halvane {

class CFeedbackDll;

class CMouseHook;
class CPanelPrompts;
class CPowerSchemeSwitcher;
class CWnd;

class CPanelStartup {
public:
    CPanelStartup(CPowerSchemeSwitcher& switcher, CMouseHook& hook, CFeedbackDll& feedback,
                  CPanelPrompts& prompts) noexcept
        : m_switcher(switcher), m_hook(hook), m_feedback(feedback), m_prompts(prompts) {}

    // The six checks in order. The first that fails logs, prompts without an owner and ends the
    // process; false comes back only when the process end did not end the process.
    bool RunChecks(HWND panel, float scale) noexcept;
    // Result 3 only: a prompt owned by `owner`, the download page, the end of the process.
    void RunVersionCheck(CWnd* owner, float scale) noexcept;

private:
    void Fail(const StartupFailure& failure, float scale) noexcept;

    CPowerSchemeSwitcher& m_switcher;
    CMouseHook& m_hook;
    CFeedbackDll& m_feedback;
    CPanelPrompts& m_prompts;
};

} // namespace halvane
