#include "tests/e2e/dialogs_app/DialogsDemoApp.h"

#include <shellapi.h>

#include <cwchar>

#include "dialogs/ExecutePromptDlg.h"
#include "dialogs/ProblemSolvingFeedbackDlg.h"
#include "dialogs/PromptDlg.h"
#include "dialogs/TooltipDlg.h"
#include "framework/MessagePump.h"
#include "framework/RichEditCtrl.h"
#include "res/resource.h"

namespace halvane::demo {

namespace {

const wchar_t* const kPromptMessages[] = {L"", L"电源模式修改成功",
                                          L"检测到当前工具有新的版本更新，请下载最新版本使用。"};
const wchar_t* const kProgressMessages[] = {L"", L"正在修改，请稍等"};

int IntArg(int argc, wchar_t** argv, int index, int fallback) {
    return index < argc ? static_cast<int>(std::wcstol(argv[index], nullptr, 10)) : fallback;
}

float ScaleArg(int argc, wchar_t** argv, int index) {
    return index < argc ? std::wcstof(argv[index], nullptr) : 1.0f;
}

template <std::size_t N> const wchar_t* Pick(const wchar_t* const (&texts)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? texts[index] : texts[0];
}

} // namespace

const fw::MessageTable& COwnerWnd::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_ERASEBKGND, &COwnerWnd::OnEraseBkgnd>(),
        fw::OnMessage<kMoveOuterMessage, &COwnerWnd::OnMoveOuter>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

BOOL COwnerWnd::OnEraseBkgnd(HDC dc) noexcept {
    RECT client{};
    GetClientRect(&client);
    HBRUSH grey = ::CreateSolidBrush(RGB(0xC8, 0xC8, 0xC8));
    ::FillRect(dc, &client, grey);
    ::DeleteObject(grey);
    return TRUE;
}

LRESULT COwnerWnd::OnMoveOuter(WPARAM dx, LPARAM dy) noexcept {
    HWND outer = m_pDialog ? m_pDialog->GetSafeHwnd() : nullptr;
    if (outer == nullptr)
        return 0;
    RECT r{};
    ::GetWindowRect(outer, &r);
    ::SetWindowPos(outer, nullptr, r.left + static_cast<int>(dx), r.top + static_cast<int>(dy), 0,
                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 1;
}

BOOL CDialogsDemoApp::InitInstance() noexcept {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr)
        return FALSE;
    const RECT ownerRect{100, 100, 1000, 800};
    if (m_owner.CreateEx(0, nullptr, L"对话框演示", WS_POPUP | WS_VISIBLE, ownerRect, nullptr, 0)) {
        m_pMainWnd = &m_owner;
        if (argc > 1 && std::wcscmp(argv[1], L"prompt") == 0)
            m_result = static_cast<int>(RunPrompt(argc, argv));
        else if (argc > 1 && std::wcscmp(argv[1], L"progress") == 0)
            m_result = static_cast<int>(RunProgress(argc, argv));
        else if (argc > 1 && std::wcscmp(argv[1], L"feedback") == 0)
            m_result = static_cast<int>(RunFeedback(argc, argv));
        else if (argc > 1 && std::wcscmp(argv[1], L"agreement") == 0)
            m_result = static_cast<int>(RunAgreement(argc, argv));
        if (m_owner.IsWindow())
            m_owner.DestroyWindow();
    }
    ::LocalFree(argv);
    return FALSE; // the dialog was the whole program
}

INT_PTR CDialogsDemoApp::RunPrompt(int argc, wchar_t** argv) noexcept {
    CPromptDlg dialog;
    dialog.SetType(IntArg(argc, argv, 2, 3));
    dialog.m_fScale = ScaleArg(argc, argv, 3);
    try {
        dialog.SetMessageText(Pick(kPromptMessages, IntArg(argc, argv, 4, 1)));
    } catch (...) {
        return 101;
    }
    m_owner.m_pDialog = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_owner.m_pDialog = nullptr;
    return result;
}

INT_PTR CDialogsDemoApp::RunProgress(int argc, wchar_t** argv) noexcept {
    CExecutePromptDlg dialog;
    dialog.m_fScale = ScaleArg(argc, argv, 2);
    try {
        dialog.SetMessageText(Pick(kProgressMessages, IntArg(argc, argv, 3, 1)));
    } catch (...) {
        return 101;
    }
    m_owner.m_pDialog = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_owner.m_pDialog = nullptr;
    return result;
}

INT_PTR CDialogsDemoApp::RunFeedback(int argc, wchar_t** argv) noexcept {
    if (argc > 3)
        return RunFeedbackRounds(ScaleArg(argc, argv, 2), IntArg(argc, argv, 3, 1));
    CProblemSolvingFeedbackDlg dialog;
    dialog.m_fScale = ScaleArg(argc, argv, 2);
    m_owner.m_pDialog = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_owner.m_pDialog = nullptr;
    return result;
}

// Each round is a new dialog object, as the tool makes one each time it asks; between rounds
// nothing is shown, so whoever drives the rounds can look at the program in that state.
INT_PTR CDialogsDemoApp::RunFeedbackRounds(float scale, int rounds) noexcept {
    INT_PTR result = IDOK;
    int shown = 0;
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == m_owner.GetSafeHwnd() && msg.message == kShowAgainMessage) {
            if (shown < rounds) {
                ++shown;
                CProblemSolvingFeedbackDlg dialog;
                dialog.m_fScale = scale;
                m_owner.m_pDialog = &dialog;
                result = dialog.DoModal();
                m_owner.m_pDialog = nullptr;
            }
            continue;
        }
        fw::MessagePump::Process(msg, nullptr);
        if (!m_owner.IsWindow())
            break;
    }
    return result;
}

INT_PTR CDialogsDemoApp::RunAgreement(int argc, wchar_t** argv) noexcept {
    const fw::ModuleHandle richEdit = CRichEditCtrl::LoadRichEditLibrary();
    const float s = ScaleArg(argc, argv, 2);
    CTooltipDlg dialog;
    dialog.m_fScale = s;
    if (!dialog.Create(IDD_TOOLTIP_DIALOG, &m_owner))
        return 103;
    // The panel's placement of the pop-up over its lower part.
    const RECT panel{100, 100, 100 + static_cast<int>(400 * s), 100 + static_cast<int>(600 * s)};
    dialog.MoveWindow(static_cast<int>(panel.left + 2 * s), static_cast<int>(panel.top + 108 * s),
                      static_cast<int>((panel.right - panel.left) - 2 * s),
                      static_cast<int>((panel.bottom - panel.top) - 128 * s), TRUE);
    dialog.ShowWindow(SW_SHOW);
    dialog.ShowChildDlg(TRUE);
    m_owner.m_pDialog = &dialog;
    // A posted WM_CLOSE destroys the owner and the pop-up it owns; that ends the program.
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        fw::MessagePump::Process(msg, nullptr);
        if (!m_owner.IsWindow())
            break;
    }
    m_owner.m_pDialog = nullptr;
    return IDOK;
}

} // namespace halvane::demo
