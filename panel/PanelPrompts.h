// How the panel shows its confirm-only prompts and ends the process. The start-up checks and the
// mode change go through this one object, so that a test can answer a prompt and observe an end
// without a modal loop or the end of its own process.
#pragma once

namespace halvane {

class CFeedbackDll;

class CWnd;

class CPanelPrompts {
public:
    CPanelPrompts() noexcept = default;
    virtual ~CPanelPrompts() = default;
    CPanelPrompts(const CPanelPrompts&) = delete;
    CPanelPrompts& operator=(const CPanelPrompts&) = delete;

    // A modal prompt with one confirm button at the given scale. Without an owner it is a local
    // object; with one it lives on the heap for as long as it shows.
    virtual void Show(CWnd* owner, float scale, const wchar_t* text) noexcept;
    // Ends the process at once with exit code 0: no window is destroyed first.
    virtual void EndProcess() noexcept;
};

} // namespace halvane
