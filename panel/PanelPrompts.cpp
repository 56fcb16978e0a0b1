#include "panel/PanelPrompts.h"

#include <cstdlib>
#include <memory>
#include <new>

#include "dialogs/PromptDlg.h"

namespace halvane {

namespace {
// One confirm button (确认).
constexpr int kConfirmOnlyPrompt = 3;

// Without memory for the text the prompt is left out: every caller goes on either way.
void RunPrompt(CPromptDlg& prompt, float scale, const wchar_t* text) noexcept {
    prompt.m_fScale = scale;
    try {
        prompt.SetMessageText(text);
    } catch (...) {
        return;
    }
    prompt.SetType(kConfirmOnlyPrompt);
    prompt.DoModal();
}
} // namespace

void CPanelPrompts::Show(CWnd* owner, float scale, const wchar_t* text) noexcept {
    if (owner == nullptr) {
        CPromptDlg prompt;
        RunPrompt(prompt, scale, text);
        return;
    }
    if (auto prompt = std::unique_ptr<CPromptDlg>(new (std::nothrow) CPromptDlg(owner)))
        RunPrompt(*prompt, scale, text);
}

void CPanelPrompts::EndProcess() noexcept {
    std::exit(0);
}

} // namespace halvane
