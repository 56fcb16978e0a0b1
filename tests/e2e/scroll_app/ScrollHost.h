// A window that hosts a long read-only rich edit with the skinned scroll bar, as the agreement
// dialog shows it. Tests reach the scrolled control through HostedRichEdit(), so the host can
// show the real agreement dialog instead without the tests changing.
#pragma once

#include <windows.h>

#include "controls/SkinScrollWnd.h"
#include "framework/Bitmap.h"
#include "framework/Handles.h"
#include "framework/RichEditCtrl.h"

namespace halvane::test {

// The rich edit of the host; counts the scroll messages that reach its framework object, so a
// test sees that the hook keeps the framework's binding working.
class CCountingRichEdit : public CRichEditCtrl {
public:
    int m_vscrolls = 0;
    DECLARE_MESSAGE_TABLE()

private:
    void OnVScroll(UINT code, UINT pos, HWND bar) noexcept;
};

class CScrollHost : public CWnd {
public:
    static constexpr UINT kRichEditId = 1009;

    ~CScrollHost() override;
    // A top-level window at (x, y) of the agreement dialog's rich edit size, with `lines` lines
    // of text. `skin` false attaches the bar with a null bitmap.
    bool Open(int x, int y, int lines, bool skin = true);
    // The control the skinned bar scrolls.
    HWND HostedRichEdit() const noexcept { return m_richEdit.GetSafeHwnd(); }
    CCountingRichEdit& RichEdit() noexcept { return m_richEdit; }
    // Null once the bar has been detached.
    CSkinScrollWnd* Frame() const noexcept { return m_frame; }
    void ForgetFrame() noexcept { m_frame = nullptr; }

private:
    fw::ModuleHandle m_richEditLibrary;
    CBitmap m_skin;
    CCountingRichEdit m_richEdit;
    CSkinScrollWnd* m_frame = nullptr;
};

// Numbered lines "Line 1" .. "Line n" joined with "\r\n".
std::wstring NumberedLines(int count);

} // namespace halvane::test
