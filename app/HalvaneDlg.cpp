#include "app/HalvaneDlg.h"

#include <string>

#include "app/AboutDlg.h"
#include "app/MainWindowPlacement.h"
#include "app/RemoveToolFolder.h"
#include "controls/PngResource.h"
#include "dialogs/LayeredSkin.h"
#include "dialogs/ProblemSolvingFeedbackDlg.h"
#include "framework/DisplayScale.h"
#include "framework/PaintDC.h"
#include "framework/ScreenDpi.h"

namespace halvane {

namespace {
constexpr wchar_t kMainWindowTitle[] = L"霁衡";

RECT ToRect(const fw::IntRect& r) noexcept {
    return {r.left, r.top, r.right, r.bottom};
}
} // namespace

const fw::MessageTable& CHalvaneDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_SYSCOMMAND, &CHalvaneDlg::OnSysCommand>(),
        fw::OnMessage<WM_PAINT, &CHalvaneDlg::OnPaint>(),
        fw::OnMessage<WM_QUERYDRAGICON, &CHalvaneDlg::OnQueryDragIcon>(),
        fw::OnMessage<WM_DESTROY, &CHalvaneDlg::OnDestroy>(),
        fw::OnMessage<WM_MOVE, &CHalvaneDlg::OnMove>(),
        fw::OnMessage<WM_CLOSE, &CHalvaneDlg::OnClose>(),
        fw::OnMessageRaw<WM_WINDOWPOSCHANGED, &CHalvaneDlg::OnWindowPosChanged>(),
    };
    static const fw::MessageTable table{&CDialog::Messages(), entries};
    return table;
}

CHalvaneDlg::CHalvaneDlg() noexcept
    : CDialog(IDD_HALVANE_DIALOG),
      m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CHalvaneDlg::~CHalvaneDlg() = default;

BOOL CHalvaneDlg::OnInitDialog() noexcept {
    CDialog::OnInitDialog();

    AddAboutMenuEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(kMainWindowTitle);

    m_fScale = fw::ScaleFromDpi(fw::ScreenLogPixelsY());
    const fw::IntRect target = MainWindowTarget(::GetSystemMetrics(SM_CXSCREEN),
                                                ::GetSystemMetrics(SM_CYSCREEN), m_fScale);

    // No template carries the layered bit: it is toggled on here.
    const LONG exStyle = ::GetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE);
    ::SetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE, exStyle ^ WS_EX_LAYERED);
    if (!m_pBkImage) {
        Gdiplus::Image* image = nullptr;
        if (LoadPngFromResource(&image, IDB_MAIN_FRAME) == 0)
            return TRUE; // never painted, no panel: only the taskbar entry can close it
        m_pBkImage.reset(image);
    }
    // Pushed once: the skin has no state to show.
    UpdateLayeredSkin(GetSafeHwnd(), *m_pBkImage, target.Width(), target.Height(), false);

    // The panel's start-up checks run inside Create and may end the process there.
    m_pPanel = std::make_unique<CTorvelDlg>();
    m_pPanel->m_fScale = m_fScale;
    m_pPanel->Create(IDD_TORVEL_DIALOG, this);
    // The panel's own move brings this window around it (FollowChild).
    m_pPanel->MoveWindow(ToRect(PanelRectInFrame(target, m_fScale)), TRUE);
    // Still hidden here, this window shows the panel when it shows itself: an owned window
    // mapped before its owner ends up beneath it under Wine's X11 driver.
    if (IsWindowVisible())
        m_pPanel->ShowWindow(SW_SHOW);
    return TRUE;
}

void CHalvaneDlg::AddAboutMenuEntry() noexcept {
    const HMENU menu = GetSystemMenu(FALSE);
    if (menu == nullptr)
        return;
    const wchar_t* text = nullptr;
    // Length 0 for a missing string: the entry is left out.
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX,
                                     reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr)
        return;
    try {
        const std::wstring about(text, static_cast<size_t>(length));
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, kAboutCommand, about.c_str());
    } catch (...) {
    }
}

void CHalvaneDlg::FollowChild(int left, int top, int right, int bottom) noexcept {
    m_bMoveChild = false;
    MoveWindow(ToRect(FrameAroundPanel({left, top, right, bottom}, m_fScale)), TRUE);
}

LRESULT CHalvaneDlg::OnWindowPosChanged(WPARAM, LPARAM lParam) noexcept {
    // The default processing sends WM_MOVE and WM_SIZE.
    const LRESULT result = Default();
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (pos != nullptr && (pos->flags & SWP_SHOWWINDOW) != 0 && m_pPanel && m_pPanel->IsWindow() &&
        !m_pPanel->IsWindowVisible())
        m_pPanel->ShowWindow(SW_SHOW);
    return result;
}

BOOL CHalvaneDlg::PreTranslateMessage(MSG* msg) noexcept {
    // Neither key may close the tool.
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CHalvaneDlg::OnSysCommand(UINT nID, LPARAM) noexcept {
    const UINT command = nID & 0xFFF0;
    if (command == kAboutCommand) {
        // Disabled while a modal dialog or a mode change runs: no second modal loop on top.
        if (!IsWindowEnabled())
            return;
        CAboutDlg about(this);
        about.DoModal();
    } else {
        Default(); // minimise, restore and close from the taskbar's window menu
        if (command != SC_RESTORE)
            return;
    }
    // The user works in the panel: after the About box or a restore it gets the activation,
    // so it stays above this frame (Wine raises an activated owner over its owned windows).
    if (m_pPanel && m_pPanel->IsWindow() && m_pPanel->IsWindowEnabled())
        ::SetActiveWindow(m_pPanel->GetSafeHwnd());
}

void CHalvaneDlg::OnPaint() noexcept {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(GetSafeHwnd());
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
}

HCURSOR CHalvaneDlg::OnQueryDragIcon() noexcept {
    return static_cast<HCURSOR>(m_hIcon);
}

void CHalvaneDlg::OnMove(int x, int y) noexcept {
    // Positions start at the panel (FollowChild); this window never moves it.
    CWnd::OnMove(x, y);
}

void CHalvaneDlg::OnClose() noexcept {
    // A close that arrives while a modal dialog or a mode change holds the tool (the system
    // menu or taskbar can still send one) would tear the panel down under it: ignored. So is
    // one that arrives after the question, before the loop has ended.
    if (!IsWindowEnabled() || m_bClosing)
        return;
    m_bClosing = true;
    if (m_pPanel) {
        CProblemSolvingFeedbackDlg question;
        question.SetFeedbackDll(m_pPanel->GetFeedbackDll());
        question.DoModal();
    }
    Default(); // the dialog manager turns it into a cancel, which ends the modal loop
}

void CHalvaneDlg::OnCancel() noexcept {
    if (!m_bClosing) {
        SendMessage(WM_CLOSE);
        return;
    }
    CDialog::OnCancel();
}

void CHalvaneDlg::OnDestroy() noexcept {
    CWnd::OnDestroy();
    m_pBkImage.reset();
    m_pPanel.reset();
    RemoveToolFolder();
}

} // namespace halvane
