// CHalvaneDlg: the main window, run modally by the application. It works out the display scale,
// creates the main panel over its face and owns it. The window's title is what the taskbar shows.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/Dialog.h"
#include "panel/PanelHost.h"
#include "panel/TorvelDlg.h"
#include "res/resource.h"

namespace halvane {

class CHalvaneDlg : public CDialog, public CPanelHost {
public:
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

private:
    void OnDestroy() noexcept;
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam) noexcept;

    HICON m_hIcon = nullptr; // shared icon from LoadIcon: never destroyed
    std::unique_ptr<CTorvelDlg> m_pPanel;
};

} // namespace halvane
