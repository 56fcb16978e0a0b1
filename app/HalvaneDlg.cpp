#include "app/HalvaneDlg.h"

#include <new>
#include <string>

#include "app/AboutDlg.h"
#include "app/RemoveToolFolder.h"
#include "dialogs/PairGeometry.h"
#include "dialogs/ProblemSolvingFeedbackDlg.h"
#include "framework/DisplayScale.h"
#include "framework/PaintDC.h"
#include "framework/ScreenDpi.h"

namespace halvane {

namespace {
constexpr wchar_t kMainWindowTitle[] = L"霁衡";
} // namespace

const fw::MessageTable& CHalvaneDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_SYSCOMMAND, &CHalvaneDlg::OnSysCommand>(),
        fw::OnMessage<WM_PAINT, &CHalvaneDlg::OnPaint>(),
        fw::OnMessage<WM_QUERYDRAGICON, &CHalvaneDlg::OnQueryDragIcon>(),
        fw::OnMessage<WM_DESTROY, &CHalvaneDlg::OnDestroy>(),
        fw::OnMessage<WM_CLOSE, &CHalvaneDlg::OnClose>(),
        fw::OnMessageRaw<WM_MOUSEACTIVATE, &CHalvaneDlg::OnMouseActivate>(),
    };
    static const fw::MessageTable table{&CSkinFrameDlg::Messages(), entries};
    return table;
}

CHalvaneDlg::CHalvaneDlg() noexcept
    : CSkinFrameDlg(kMainPair, nullptr),
      m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {
    m_bMoveChild = false;
    // The panel, where the user works, takes the activation when the window shows.
    m_showChildCmd = SW_SHOW;
}

CHalvaneDlg::~CHalvaneDlg() = default;

BOOL CHalvaneDlg::OnInitDialog() noexcept {
    AddAboutMenuEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(kMainWindowTitle);
    m_fScale = fw::ScaleFromDpi(fw::ScreenLogPixelsY());
    // Skin and panel. The panel's start-up checks run inside its Create and may end the process
    // there; the panel's first move brings this window around it (FollowChild).
    return CSkinFrameDlg::OnInitDialog();
}

std::unique_ptr<CSkinFrameChildDlg> CHalvaneDlg::CreateChildDlg() noexcept {
    return std::unique_ptr<CSkinFrameChildDlg>(new (std::nothrow) CTorvelDlg());
}

fw::IntRect CHalvaneDlg::InitialChildRect(const fw::IntRect&) const noexcept {
    const fw::IntRect target = CentredOuterRect(Params(), ::GetSystemMetrics(SM_CXSCREEN),
                                                ::GetSystemMetrics(SM_CYSCREEN), m_fScale);
    return InitialInnerRect(Params(), target, m_fScale);
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
    CTorvelDlg* panel = Panel();
    if (panel != nullptr && panel->IsWindow() && panel->IsWindowEnabled())
        ::SetActiveWindow(panel->GetSafeHwnd());
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

LRESULT CHalvaneDlg::OnMouseActivate(WPARAM, LPARAM) noexcept {
    // Unlike the other outers, the taskbar's window is activated by a click like any window.
    return Default();
}

void CHalvaneDlg::OnClose() noexcept {
    // A close that arrives while a modal dialog or a mode change holds the tool (the system
    // menu or taskbar can still send one) would tear the panel down under it: ignored. So is
    // one that arrives after the question, before the loop has ended.
    if (!IsWindowEnabled() || m_bClosing)
        return;
    m_bClosing = true;
    if (CTorvelDlg* panel = Panel()) {
        CProblemSolvingFeedbackDlg question;
        question.SetFeedbackDll(panel->GetFeedbackDll());
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
    CSkinFrameDlg::OnDestroy(); // the skin and the panel object go
    RemoveToolFolder();
}

} // namespace halvane
