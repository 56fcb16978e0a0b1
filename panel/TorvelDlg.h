// CTorvelDlg: the main panel, a borderless pop-up that the main window creates modeless over its
// own face. While its dialog is initialised it decides whether the tool may run at all: engine
// and mouse hook get its window, the system must be supported, the feedback library must load
// and initialise; 100 ms later the library is asked once for a newer version. A failed check
// logs, prompts and ends the process with exit code 0, without destroying any window.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "controls/DrawTextStatic.h"
#include "engine/PowerSchemeSwitcher.h"
#include "feedback/FeedbackDll.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "panel/MouseHook.h"
#include "panel/StartupChecks.h"
#include "res/resource.h"

namespace halvane {

class CTorvelDlg : public CDialog {
public:
    // Hover tracking of the agreement link, for the panel's whole life.
    static constexpr UINT_PTR kHoverTimer = 33;
    // Fires once: the version check.
    static constexpr UINT_PTR kVersionCheckTimer = 38;
    static constexpr UINT kTimerPeriodMs = 100;

    CTorvelDlg() noexcept : CDialog(IDD_TORVEL_DIALOG) {}
    ~CTorvelDlg() override;

    BOOL PreTranslateMessage(MSG* msg) noexcept override;

    // Set by the main window before the panel's window is created; copied into every dialog
    // the panel creates.
    float m_fScale = 1.0f;

    DECLARE_MESSAGE_TABLE()

protected:
    void DoDataExchange(CDataExchange* dx) noexcept override;
    BOOL OnInitDialog() noexcept override;

private:
    // Returns only when all six checks pass.
    void RunStartupChecks() noexcept;
    [[noreturn]] void FailStartup(const StartupFailure& failure) noexcept;
    void RunVersionCheck() noexcept;
    void FillModeList() noexcept;

    void OnDestroy() noexcept;
    void OnTimer(UINT_PTR nIDEvent) noexcept;

    bool m_bInitialized = false;
    std::unique_ptr<Gdiplus::Image> m_background;
    CComboBox m_modeList;
    CDrawTextStatic m_agreementLink;
    CMouseHook m_mouseHook;
    CPowerSchemeSwitcher m_powerSwitcher;
    CFeedbackDll m_feedbackDll;
};

} // namespace halvane
