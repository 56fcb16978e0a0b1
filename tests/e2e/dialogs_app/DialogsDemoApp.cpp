#include "tests/e2e/dialogs_app/DialogsDemoApp.h"

#include <shellapi.h>

#include <cwchar>

#include "dialogs/ExecutePromptDlg.h"
#include "dialogs/ProblemSolvingFeedbackDlg.h"
#include "dialogs/PromptDlg.h"

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
    CProblemSolvingFeedbackDlg dialog;
    dialog.m_fScale = ScaleArg(argc, argv, 2);
    m_owner.m_pDialog = &dialog;
    const INT_PTR result = dialog.DoModal();
    m_owner.m_pDialog = nullptr;
    return result;
}

} // namespace halvane::demo
