// CTorvelDlg: the main panel, a borderless pop-up that the main window creates modeless over its
// own face. While its dialog is initialised it decides whether the tool may run at all: engine
// and mouse hook get its window, the system must be supported, the feedback library must load
// and initialise; 100 ms later the library is asked once for a newer version. A failed check
// logs, prompts and ends the process with exit code 0, without destroying any window.
// Afterwards it runs the power mode changes behind a please-wait dialog, opens the agreement
// pop-up and the feedback pages, and is dragged by its top strip, taking the main window along.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "controls/CheckBoxBtn.h"
#include "controls/DrawTextStatic.h"
#include "controls/ImageButton.h"
#include "controls/PngButton.h"
#include "dialogs/SkinFrameChildDlg.h"
#include "dialogs/SkinPairParams.h"
#include "dialogs/TooltipDlg.h"
#include "engine/PowerSchemeSwitcher.h"
#include "feedback/FeedbackDll.h"
#include "framework/ComboBox.h"
#include "framework/Font.h"
#include "panel/ModeChange.h"
#include "panel/MouseHook.h"
#include "panel/PanelPrompts.h"
#include "panel/PanelStartup.h"
#include "res/resource.h"

namespace halvane {

class CTorvelDlg : public CSkinFrameChildDlg {
public:
    // Hover tracking of the agreement link, for the panel's whole life.
    static constexpr UINT_PTR kHoverTimer = 33;
    // Fires once: the version check.
    static constexpr UINT_PTR kVersionCheckTimer = 38;
    static constexpr UINT kTimerPeriodMs = 100;

    // The first move, made by the main window, already takes it along.
    CTorvelDlg() noexcept : CSkinFrameChildDlg(kMainPair) { m_bInCaption = true; }
    ~CTorvelDlg() override;

    // The loaded feedback library; the main window hands it to the feedback question.
    CFeedbackDll* GetFeedbackDll() noexcept { return &m_feedbackDll; }

    DECLARE_MESSAGE_TABLE()

protected:
    void DoDataExchange(CDataExchange* dx) noexcept override;
    BOOL OnInitDialog() noexcept override;
    // Alt+F4, the system menu's Close and WM_CLOSE reach the panel as a cancel: they close the
    // tool as the close button does, never by hiding the panel alone.
    void OnCancel() noexcept override;
    // Enter never ends the panel.
    void OnOK() noexcept override {}

private:
    void FillModeList() noexcept;
    // Places every control; the first call also configures them.
    void LayoutControls(bool bFirst) noexcept override;
    void SetUpControls() noexcept;
    void ReleaseControls() noexcept override;
    // The agreement pop-up: made on first need, placed under the panel's header and toggled.
    void ToggleAgreement() noexcept;
    void HideAgreement() noexcept;

    void OnDestroy() noexcept;
    BOOL OnEraseBkgnd(HDC dc) noexcept;
    LRESULT OnNcHitTest(POINT point) noexcept;
    void OnTimer(UINT_PTR nIDEvent) noexcept;
    void OnLButtonDown(UINT nFlags, POINT point) noexcept;
    LRESULT OnSetPowerResult(WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT OnExecuteFinished(WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT OnHookLButtonDown(WPARAM wParam, LPARAM lParam) noexcept;
    void OnBnClickedAgree() noexcept;
    void OnBnClickedClose() noexcept;
    void OnBnClickedMinimize() noexcept;
    void OnBnClickedSet() noexcept;
    void OnBnClickedMoreTools() noexcept;

    // One short thread per click on the consent box: "设置" follows the box's state.
    static DWORD WINAPI AgreeCheckThreadProc(LPVOID param) noexcept;

    RECT m_client{};
    bool m_fontCreated = false;
    CFont m_font;
    CDrawTextStatic m_versionText;
    CPngButton m_closeButton;
    CPngButton m_minimizeButton;
    CComboBox m_modeList;
    CImageButton m_setButton;
    CImageButton m_moreToolsButton;
    CCheckBoxBtn m_consentBox;
    CDrawTextStatic m_agreementLink;
    CDrawTextStatic m_feedbackLink;
    CMouseHook m_mouseHook;
    CPowerSchemeSwitcher m_powerSwitcher;
    CPanelPrompts m_prompts;
    CModeChange m_modeChange{*this, m_fScale, m_powerSwitcher, m_prompts};
    std::unique_ptr<CTooltipDlg> m_agreementDlg; // made at the first press on the link
    CFeedbackDll m_feedbackDll;
    CPanelStartup m_startup{m_powerSwitcher, m_mouseHook, m_feedbackDll, m_prompts};
};

} // namespace halvane
