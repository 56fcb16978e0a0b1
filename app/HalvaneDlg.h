// CHalvaneDlg: the main window, run modally by the application. It shows the outer skin frame
// with per-pixel alpha, works out the display scale, creates the main panel over its face, places
// itself around the panel whenever the panel moves, asks the feedback question on close and
// starts the removal of the tool's folder when it is destroyed. Its title is what the taskbar
// shows.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "framework/Dialog.h"
#include "panel/PanelHost.h"
#include "panel/TorvelDlg.h"
#include "res/resource.h"

namespace halvane {

class CHalvaneDlg : public CDialog, public CPanelHost {
public:
    // The system menu's About entry.
    static constexpr UINT kAboutCommand = 0x0010;

    CHalvaneDlg() noexcept;
    ~CHalvaneDlg() override;

    BOOL PreTranslateMessage(MSG* msg) noexcept override;

    // The panel moved to (left, top, right, bottom): the main window goes around it.
    void FollowChild(int left, int top, int right, int bottom) noexcept override;

    // The display scale factor; the panel gets a copy before its window is created.
    float m_fScale = 1.0f;

    DECLARE_MESSAGE_TABLE()

protected:
    BOOL OnInitDialog() noexcept override;
    // A cancel that did not come through OnClose (a command from another program) closes the way
    // the close button does; the one OnClose leads to ends the tool.
    void OnCancel() noexcept override;
    // Enter never ends the tool.
    void OnOK() noexcept override {}

private:
    void AddAboutMenuEntry() noexcept;

    void OnSysCommand(UINT nID, LPARAM lParam) noexcept;
    void OnPaint() noexcept;
    HCURSOR OnQueryDragIcon() noexcept;
    void OnDestroy() noexcept;
    void OnMove(int x, int y) noexcept;
    void OnClose() noexcept;
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam) noexcept;

    HICON m_hIcon = nullptr; // shared icon from LoadIcon: never destroyed
    std::unique_ptr<Gdiplus::Image> m_pBkImage;
    std::unique_ptr<CTorvelDlg> m_pPanel;
    // The main window never moves the panel: positions start at the panel.
    bool m_bMoveChild = false;
    // Set once OnClose has gone past its checks: the tool ends, and no second question is asked.
    bool m_bClosing = false;
};

} // namespace halvane
