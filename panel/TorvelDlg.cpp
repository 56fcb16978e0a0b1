#include "panel/TorvelDlg.h"

#include <memory>
#include <new>

#include "controls/FontUtil.h"
#include "engine/PowerMessages.h"
#include "engine/PowerModeTable.h"
#include "feedback/FeedbackAddresses.h"
#include "feedback/ToolIdentity.h"
#include "framework/ClientDC.h"
#include "framework/ScopedSelect.h"
#include "panel/PanelLayout.h"

namespace halvane {

namespace {
constexpr wchar_t kPromptLine[] = L"请选择您要设置的电源模式";
// The consent label and the link, measured together: 14 character widths for the link.
constexpr wchar_t kConsentAndLink[] = L"同意《岚拓服务工具使用许可协议》";
constexpr int kConsentAndLinkChars = 14;
constexpr wchar_t kFeedbackLinkText[] = L"反馈问题";

// One line, left-aligned, vertically centred: the statics' align mode and the prompt line's
// DrawText format.
constexpr int kSingleLineAlign = 1;
constexpr UINT kPromptLineFormat = DT_SINGLELINE | DT_VCENTER | DT_EXTERNALLEADING;
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kLinkColour = RGB(0x5C, 0x5C, 0xFF);
constexpr COLORREF kLinkHoverColour = RGB(0x00, 0x00, 0xFF);

fw::IntRect ToIntRect(const RECT& r) noexcept {
    return fw::IntRect{r.left, r.top, r.right, r.bottom};
}

void MoveTo(const CWnd& control, const fw::IntRect& r) noexcept {
    control.MoveWindow(r.left, r.top, r.Width(), r.Height(), TRUE);
}
} // namespace

const fw::MessageTable& CTorvelDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_DESTROY, &CTorvelDlg::OnDestroy>(),
        fw::OnMessage<WM_ERASEBKGND, &CTorvelDlg::OnEraseBkgnd>(),
        fw::OnMessage<WM_NCHITTEST, &CTorvelDlg::OnNcHitTest>(),
        fw::OnMessage<WM_TIMER, &CTorvelDlg::OnTimer>(),
        fw::OnMessage<WM_LBUTTONDOWN, &CTorvelDlg::OnLButtonDown>(),
        fw::OnMessage<WM_SET_POWER_RESULT, &CTorvelDlg::OnSetPowerResult>(),
        fw::OnMessage<WM_EXECUTE_FINISHED, &CTorvelDlg::OnExecuteFinished>(),
        fw::OnMessage<WM_HOOK_LBUTTONDOWN, &CTorvelDlg::OnHookLButtonDown>(),
        fw::OnClicked<IDC_CONSENT, &CTorvelDlg::OnBnClickedAgree>(),
        fw::OnClicked<IDC_PANEL_CLOSE, &CTorvelDlg::OnBnClickedClose>(),
        fw::OnClicked<IDC_PANEL_MINIMIZE, &CTorvelDlg::OnBnClickedMinimize>(),
        fw::OnClicked<IDC_SET, &CTorvelDlg::OnBnClickedSet>(),
        fw::OnClicked<IDC_MORE_TOOLS, &CTorvelDlg::OnBnClickedMoreTools>(),
    };
    static const fw::MessageTable table{&CSkinFrameChildDlg::Messages(), entries};
    return table;
}

CTorvelDlg::~CTorvelDlg() = default;

void CTorvelDlg::DoDataExchange(CDataExchange* dx) noexcept {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PANEL_CLOSE, m_closeButton);
    DDX_Control(dx, IDC_PANEL_MINIMIZE, m_minimizeButton);
    DDX_Control(dx, IDC_VERSION_TEXT, m_versionText);
    DDX_Control(dx, IDC_MODE_LIST, m_modeList);
    DDX_Control(dx, IDC_SET, m_setButton);
    DDX_Control(dx, IDC_MORE_TOOLS, m_moreToolsButton);
    DDX_Control(dx, IDC_CONSENT, m_consentBox);
    DDX_Control(dx, IDC_AGREEMENT_LINK, m_agreementLink);
    DDX_Control(dx, IDC_FEEDBACK_LINK, m_feedbackLink);
}

BOOL CTorvelDlg::OnInitDialog() noexcept {
    CDialog::OnInitDialog();

    if (GetBkImage() == nullptr)
        return TRUE; // no skin: no checks, no layout, no list, no timers

    // A failed check has ended the process; only a replaced end comes back.
    if (!m_startup.RunChecks(GetSafeHwnd(), m_fScale))
        return TRUE;
    LayoutControls(true);
    FillModeList();
    SetTimer(kHoverTimer, kTimerPeriodMs);
    SetTimer(kVersionCheckTimer, kTimerPeriodMs);
    m_initialized = true;
    return TRUE;
}

void CTorvelDlg::FillModeList() noexcept {
    // The index is the power mode.
    for (int mode = 0; mode < kPowerModeCount; ++mode)
        m_modeList.InsertString(mode, kPowerModeNames[mode]);
    m_modeList.SetCurSel(POWER_MODE_BALANCED);
}

void CTorvelDlg::OnTimer(UINT_PTR nIDEvent) noexcept {
    if (nIDEvent == kHoverTimer) {
        POINT cursor{};
        if (::GetCursorPos(&cursor))
            m_agreementLink.UpdateHover(cursor.x, cursor.y);
    } else if (nIDEvent == kVersionCheckTimer) {
        KillTimer(kVersionCheckTimer);
        m_startup.RunVersionCheck(this, m_fScale);
    }
    Default();
}

void CTorvelDlg::ReleaseControls() noexcept {
    m_closeButton.ReleasePngImages();
    m_minimizeButton.ReleasePngImages();
    m_setButton.ReleasePngImages();
    m_moreToolsButton.ReleasePngImages();
}

void CTorvelDlg::OnDestroy() noexcept {
    CSkinFrameChildDlg::OnDestroy(); // the controls' images, then the background
    KillTimer(kHoverTimer);
    m_modeChange.ReleaseWaitDialog();
    m_agreementDlg.reset();
    m_mouseHook.Uninstall();
    m_feedbackDll.Free();
}

// --- layout and painting ----------------------------------------------------------------------

void CTorvelDlg::LayoutControls(bool bFirst) noexcept {
    GetClientRect(&m_client);
    const fw::IntRect client = ToIntRect(m_client);

    // Text widths in the main window's font, measured on a DC of the panel.
    const CWnd* fontSource = GetParent() != nullptr ? GetParent() : this;
    int consentAndLinkWidth = 0;
    int feedbackWidth = 0;
    {
        const CClientDC dc(GetSafeHwnd());
        try {
            consentAndLinkWidth = GetTextWidth(fontSource, dc, kConsentAndLink, 0, 0);
            feedbackWidth = GetTextWidth(fontSource, dc, kFeedbackLinkText, 0, 0);
        } catch (...) {
            // No memory for the texts: the links get no width of their own.
        }
    }
    const PanelLayout layout =
        LayoutPanel(client, m_fScale, consentAndLinkWidth / kConsentAndLinkChars, feedbackWidth);
    if (bFirst)
        SetUpControls();

    MoveTo(m_closeButton, layout.close);
    MoveTo(m_minimizeButton, layout.minimise);
    MoveTo(m_versionText, layout.versionText);
    MoveTo(m_modeList, layout.modeList);
    MoveTo(m_setButton, layout.setButton);
    if (bFirst) {
        const fw::IntRect& image = layout.moreToolsImage;
        m_moreToolsButton.SetBkImageRect(image.left, image.top, image.right, image.bottom);
    }
    MoveTo(m_moreToolsButton, layout.moreTools);
    MoveTo(m_consentBox, layout.consentBox);
    MoveTo(m_agreementLink, layout.agreementLink);
    MoveTo(m_feedbackLink, layout.feedbackLink);
}

void CTorvelDlg::SetUpControls() noexcept {
    Gdiplus::Image* background = GetBkImage();

    // Close and minimise have no background piece: they are composed over their white fill.
    m_closeButton.m_fScale = m_fScale;
    m_closeButton.SetPngImages(IDB_PANEL_CLOSE_NORMAL, IDB_PANEL_CLOSE_HOVER,
                               IDB_PANEL_CLOSE_PRESSED, IDB_PANEL_CLOSE_DISABLED);
    m_minimizeButton.m_fScale = m_fScale;
    m_minimizeButton.SetPngImages(IDB_PANEL_MIN_NORMAL, IDB_PANEL_MIN_HOVER, IDB_PANEL_MIN_PRESSED,
                                  IDB_PANEL_MIN_DISABLED);

    m_versionText.SetWindowText(kToolVersion);
    m_versionText.SetBkImage(background);
    m_versionText.SetBkImageRect(kVersionTextImageRect.left, kVersionTextImageRect.top,
                                 kVersionTextImageRect.right, kVersionTextImageRect.bottom);
    m_versionText.SetTextFont(0, 0);
    m_versionText.SetAlignMode(kSingleLineAlign);
    m_versionText.SetBkColor(kWhite);
    m_versionText.SetTextColors(kWhite, kWhite);

    m_setButton.SetBkImage(background);
    m_setButton.SetBkImageRect(kSetButtonImageRect.left, kSetButtonImageRect.top,
                               kSetButtonImageRect.right, kSetButtonImageRect.bottom);
    m_setButton.SetHitMargins(0, 0, 0, 0);
    m_setButton.SetPngImages(IDB_SET_NORMAL, IDB_SET_HOVER, IDB_SET_PRESSED, IDB_SET_DISABLED);

    // Its image rectangle depends on the width branch; LayoutControls sets it.
    m_moreToolsButton.SetBkImage(background);
    m_moreToolsButton.SetHitMargins(0, 0, 0, 0);
    m_moreToolsButton.SetPngImages(IDB_MORE_TOOLS_NORMAL, IDB_MORE_TOOLS_HOVER,
                                   IDB_MORE_TOOLS_PRESSED, IDB_MORE_TOOLS_DISABLED);

    m_consentBox.InitFont();
    m_consentBox.m_fScale = m_fScale;
    m_consentBox.SetCheck(BST_CHECKED); // "设置" starts usable

    for (CDrawTextStatic* link : {&m_agreementLink, &m_feedbackLink}) {
        link->SetTextFont(0, 0);
        link->SetAlignMode(kSingleLineAlign);
        link->SetBkColor(kWhite);
        link->SetTextColors(kLinkColour, kLinkHoverColour);
    }
}

BOOL CTorvelDlg::OnEraseBkgnd(HDC dc) noexcept {
    RECT client{};
    GetClientRect(&client);
    Gdiplus::Image* background = GetBkImage();
    if (background == nullptr)
        return TRUE;

    {
        Gdiplus::Graphics graphics(dc);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        graphics.DrawImage(background,
                           Gdiplus::Rect(client.left, client.top, client.right - client.left,
                                         client.bottom - client.top),
                           0, 0, static_cast<INT>(background->GetWidth()),
                           static_cast<INT>(background->GetHeight()), Gdiplus::UnitPixel);
    }

    if (!m_fontCreated) {
        CreateDerivedFont(GetParent() != nullptr ? GetParent() : this, 0, 0, m_font);
        m_fontCreated = true;
    }

    const fw::IntRect line = PromptLineRect(ToIntRect(client), m_fScale);
    RECT text{line.left, line.top, line.right, line.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    const fw::ScopedSelect font(dc, m_font.GetSafeHandle());
    ::SetTextColor(dc, kWhite);
    ::DrawTextW(dc, kPromptLine, -1, &text, kPromptLineFormat);
    return TRUE;
}

LRESULT CTorvelDlg::OnNcHitTest(POINT point) noexcept {
    m_feedbackLink.UpdateHover(point.x, point.y);
    m_agreementLink.UpdateHover(point.x, point.y);

    // The top strip drags the panel, and the main window with it.
    return CSkinFrameChildDlg::OnNcHitTest(point);
}

// --- the mode change ----------------------------------------------------------------------------

void CTorvelDlg::OnBnClickedSet() noexcept {
    // The list is read only when no change runs.
    if (m_modeChange.IsBusy())
        return;
    m_modeChange.Start(m_modeList.GetCurSel());
}

LRESULT CTorvelDlg::OnExecuteFinished(WPARAM, LPARAM) noexcept {
    m_modeChange.OnExecuteFinished();
    return 1;
}

LRESULT CTorvelDlg::OnSetPowerResult(WPARAM wParam, LPARAM) noexcept {
    m_modeChange.OnSetPowerResult(wParam);
    return 1;
}

void CTorvelDlg::OnBnClickedAgree() noexcept {
    const HANDLE thread =
        ::CreateThread(nullptr, 0, &CTorvelDlg::AgreeCheckThreadProc, this, 0, nullptr);
    if (thread != nullptr)
        ::CloseHandle(thread);
}

DWORD WINAPI CTorvelDlg::AgreeCheckThreadProc(LPVOID param) noexcept {
    auto* self = static_cast<CTorvelDlg*>(param);
    const bool checked = self->m_consentBox.GetCheck() == BST_CHECKED;
    self->m_setButton.EnableButton(checked ? TRUE : FALSE);
    return 1;
}

void CTorvelDlg::OnBnClickedClose() noexcept {
    ::SendMessageW(GetParentHandle(), WM_CLOSE, 0, 0);
}

void CTorvelDlg::OnCancel() noexcept {
    // The main window asks the feedback question first, and ignores the close while a mode
    // change or a modal dialog holds the tool.
    OnBnClickedClose();
}

void CTorvelDlg::OnBnClickedMinimize() noexcept {
    ::PostMessageW(GetParentHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void CTorvelDlg::OnBnClickedMoreTools() noexcept {
    m_feedbackDll.OpenUrl(kMoreToolsArticle);
}

// --- presses on the panel and anywhere on the desktop --------------------------------------------

void CTorvelDlg::OnLButtonDown(UINT nFlags, POINT point) noexcept {
    POINT screen = point;
    ClientToScreen(&screen);
    if (m_feedbackLink.IsPointInside(screen.x, screen.y))
        m_feedbackDll.FeedbackQuestion(kToolId, kToolVersion);
    if (m_agreementLink.IsPointInside(screen.x, screen.y))
        ToggleAgreement();
    else
        HideAgreement();
    CWnd::OnLButtonDown(nFlags, point);
}

LRESULT CTorvelDlg::OnHookLButtonDown(WPARAM, LPARAM) noexcept {
    POINT cursor{};
    if (!::GetCursorPos(&cursor) || !m_agreementDlg)
        return 1;
    RECT panel{};
    GetWindowRect(&panel);
    if (!::PtInRect(&panel, cursor)) {
        HideAgreement(); // also a press in another program
        return 1;
    }
    // The link toggles it in OnLButtonDown; a press inside the pop-up leaves it alone.
    if (m_agreementLink.IsPointInside(cursor.x, cursor.y))
        return 1;
    RECT popup{};
    m_agreementDlg->GetWindowRect(&popup);
    if (!::PtInRect(&popup, cursor) && m_agreementDlg->IsWindowVisible())
        HideAgreement();
    return 1;
}

void CTorvelDlg::ToggleAgreement() noexcept {
    if (!m_agreementDlg) {
        m_agreementDlg.reset(new (std::nothrow) CTooltipDlg());
        if (!m_agreementDlg)
            return;
        m_agreementDlg->m_fScale = m_fScale;
        m_agreementDlg->Create(IDD_TOOLTIP_DIALOG, this);
    }
    RECT window{};
    GetWindowRect(&window);
    const fw::IntRect place = AgreementPopupRect(ToIntRect(window), m_fScale);
    m_agreementDlg->MoveWindow(place.left, place.top, place.Width(), place.Height(), TRUE);
    if (!m_agreementDlg->IsWindowVisible()) {
        m_agreementDlg->ShowWindow(SW_SHOW);
        m_agreementDlg->ShowChildDlg(TRUE);
    } else {
        HideAgreement();
    }
}

void CTorvelDlg::HideAgreement() noexcept {
    if (!m_agreementDlg)
        return;
    m_agreementDlg->ShowWindow(SW_HIDE);
    m_agreementDlg->ShowChildDlg(FALSE);
}

} // namespace halvane
