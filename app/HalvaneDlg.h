// CHalvaneDlg: the main window, run modally by the application: the outer of the main pair, whose
// inner is the main panel. Beyond the pair it works out the display scale, centres itself on the
// screen, carries the About entry, icon and title the taskbar shows, asks the feedback question
// on close and starts the removal of the tool's folder when it is destroyed. It never moves the
// panel: positions start at the panel, which it follows.
#pragma once

#include <windows.h>

#include <memory>

#include "dialogs/SkinFrameDlg.h"
#include "panel/TorvelDlg.h"
#include "res/resource.h"

namespace halvane {

class CHalvaneDlg : public CSkinFrameDlg {
public:
    // The system menu's About entry.
    static constexpr UINT kAboutCommand = 0x0010;

    CHalvaneDlg() noexcept;
    ~CHalvaneDlg() override;

    DECLARE_MESSAGE_TABLE()

protected:
    BOOL OnInitDialog() noexcept override;
    std::unique_ptr<CSkinFrameChildDlg> CreateChildDlg() noexcept override;
    // The panel goes into the frame centred on the screen, wherever the window was made.
    fw::IntRect InitialChildRect(const fw::IntRect& outer) const noexcept override;
    // Never painted and without panel, the window stays: its taskbar entry still closes it.
    void OnSkinMissing() noexcept override {}
    // A cancel that did not come through OnClose (a command from another program) closes the way
    // the close button does; the one OnClose leads to ends the tool.
    void OnCancel() noexcept override;
    // Enter never ends the tool.
    void OnOK() noexcept override {}

private:
    void AddAboutMenuEntry() noexcept;
    // Null before the panel is made and after the window is destroyed.
    CTorvelDlg* Panel() const noexcept { return static_cast<CTorvelDlg*>(GetChildDlg()); }

    void OnSysCommand(UINT nID, LPARAM lParam) noexcept;
    void OnPaint() noexcept;
    HCURSOR OnQueryDragIcon() noexcept;
    void OnDestroy() noexcept;
    void OnClose() noexcept;
    LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam) noexcept;

    HICON m_hIcon = nullptr; // shared icon from LoadIcon: never destroyed
    // Set once OnClose has gone past its checks: the tool ends, and no second question is asked.
    bool m_bClosing = false;
};

} // namespace halvane
