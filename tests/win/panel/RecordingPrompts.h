// The panel's prompts and process end as a test sees them: each prompt is recorded with the
// state of the tool's two windows while it is up and answered at once; an end is only counted.
#pragma once

#include "panel/PanelPrompts.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace halvane::test {

struct ShownPrompt {
    CWnd* owner;
    float scale;
    std::wstring text;
    bool mainEnabled;
    bool panelEnabled;
    int endsBefore;
};

class RecordingPrompts : public CPanelPrompts {
public:
    RecordingPrompts(HWND mainWindow = nullptr, HWND panel = nullptr)
        : m_main(mainWindow), m_panel(panel) {}

    void Show(CWnd* owner, float scale, const wchar_t* text) noexcept override {
        shown.push_back({owner, scale, text, ::IsWindowEnabled(m_main) != FALSE,
                         ::IsWindowEnabled(m_panel) != FALSE, ends});
        if (whileShown)
            whileShown();
    }
    void EndProcess() noexcept override { ++ends; }

    std::function<void()> whileShown; // runs while each prompt is up
    std::vector<ShownPrompt> shown;
    int ends = 0;

private:
    HWND m_main;
    HWND m_panel;
};

} // namespace halvane::test
