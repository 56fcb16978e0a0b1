#include "app/HalvaneDlg.h"

#include "app/MainWindowPlacement.h"
#include "framework/DisplayScale.h"
#include "framework/ScreenDpi.h"

namespace halvane {

namespace {
constexpr wchar_t kMainWindowTitle[] = L"霁衡";
} // namespace

const fw::MessageTable& CHalvaneDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_DESTROY, &CHalvaneDlg::OnDestroy>(),
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

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(kMainWindowTitle);

    m_fScale = fw::ScaleFromDpi(fw::ScreenLogPixelsY());
    const fw::IntRect target = MainWindowTarget(::GetSystemMetrics(SM_CXSCREEN),
                                                ::GetSystemMetrics(SM_CYSCREEN), m_fScale);

    // The panel's start-up checks run inside Create and may end the process there.
    m_pPanel = std::make_unique<CTorvelDlg>();
    m_pPanel->m_fScale = m_fScale;
    m_pPanel->Create(IDD_TORVEL_DIALOG, this);
    const fw::IntRect panel = PanelRectInFrame(target, m_fScale);
    m_pPanel->MoveWindow(panel.left, panel.top, panel.Width(), panel.Height(), TRUE);
    // The main window is still hidden here; it shows the panel when it shows itself: an owned
    // window mapped before its owner ends up beneath it under Wine's X11 driver.
    if (IsWindowVisible())
        m_pPanel->ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CHalvaneDlg::PreTranslateMessage(MSG* msg) noexcept {
    // Neither key may close the tool.
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CHalvaneDlg::FollowChild(int left, int top, int right, int bottom) noexcept {
    const fw::IntRect frame = FrameAroundPanel(fw::IntRect{left, top, right, bottom}, m_fScale);
    MoveWindow(frame.left, frame.top, frame.Width(), frame.Height(), TRUE);
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

void CHalvaneDlg::OnDestroy() noexcept {
    CWnd::OnDestroy();
    m_pPanel.reset();
}

} // namespace halvane
