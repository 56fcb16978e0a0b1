// A power mode change as the panel runs it: "设置" starts the engine's worker behind a modal
// please-wait dialog; the worker sends first the end (the dialog goes) and then the outcome (a
// prompt, while the worker stays blocked). The tool's windows take no input meanwhile.
#pragma once

#include <windows.h>

#include <memory>

#include "dialogs/ExecutePromptDlg.h"
#include "panel/ChangeInputBlock.h"

namespace halvane {

class CPanelPrompts;
class CPowerSchemeSwitcher;
class CWnd;

class CModeChange {
public:
    // `panel` is the window the worker reports to; its parent is the main window. `scale` is
    // read at each use: the main window sets it before the panel's window exists.
    CModeChange(CWnd& panel, const float& scale, CPowerSchemeSwitcher& switcher,
                CPanelPrompts& prompts) noexcept
        : m_panel(panel), m_scale(scale), m_switcher(switcher), m_prompts(prompts) {}
    ~CModeChange();
    CModeChange(const CModeChange&) = delete;
    CModeChange& operator=(const CModeChange&) = delete;

    // A change runs, or its please-wait dialog is still in its loop: "设置" does nothing.
    bool IsBusy() const noexcept {
        return m_block.IsActive() || (m_waitDialog && m_waitDialog->IsModal());
    }
    // "设置" with the mode list's index; returns when the please-wait dialog has ended.
    void Start(int mode) noexcept;
    void OnExecuteFinished() noexcept;
    void OnSetPowerResult(WPARAM result) noexcept;
    // The please-wait dialog of the last run goes with the panel's window.
    void ReleaseWaitDialog() noexcept { m_waitDialog.reset(); }

private:
    // A confirm-only prompt without owner; the tool's windows take no input while it is up.
    void ShowOutcomePrompt(const wchar_t* text) noexcept;

    CWnd& m_panel;
    const float& m_scale;
    CPowerSchemeSwitcher& m_switcher;
    CPanelPrompts& m_prompts;
    std::unique_ptr<CExecutePromptDlg> m_waitDialog; // kept from the end of a run to the next
    CChangeInputBlock m_block;
};

} // namespace halvane
