#include "ScrollHost.h"

#include "framework/MessageTable.h"
#include "res/resource.h"

namespace halvane::test {

namespace {

// The agreement dialog's rich edit style: WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL |
// WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_DISABLENOSCROLL.
constexpr DWORD kRichEditStyle = 0x50A12804;
constexpr int kWidth = 378;
constexpr int kHeight = 448;

} // namespace

const fw::MessageTable& CCountingRichEdit::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_VSCROLL, &CCountingRichEdit::OnVScroll>(),
    };
    static const fw::MessageTable table{&CRichEditCtrl::Messages(), entries};
    return table;
}

void CCountingRichEdit::OnVScroll(UINT, UINT, HWND) noexcept {
    ++m_vscrolls;
    Default();
}

std::wstring NumberedLines(int count) {
    std::wstring text;
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            text += L"\r\n";
        text += L"Line " + std::to_wstring(i);
    }
    return text;
}

CScrollHost::~CScrollHost() {
    if (m_frame != nullptr && m_richEdit.IsWindow())
        DetachSkinScrollBar(&m_richEdit);
    m_frame = nullptr;
    DestroyWindow();
}

bool CScrollHost::Open(int x, int y, int lines, bool skin) {
    m_richEditLibrary = CRichEditCtrl::LoadRichEditLibrary();
    if (!m_richEditLibrary)
        return false;
    const RECT frame{x, y, x + kWidth + 16, y + kHeight + 16};
    if (!CreateEx(0, nullptr, L"ScrollHost", WS_POPUP | WS_CLIPCHILDREN, frame,
                  nullptr, 0))
        return false;
    const RECT rect{8, 8, 8 + kWidth, 8 + kHeight};
    if (!m_richEdit.Create(kRichEditStyle, rect, this, kRichEditId))
        return false;
    if (skin && !m_skin.LoadBitmap(IDB_SCROLLBAR))
        return false;
    m_frame = AttachSkinScrollBar(&m_richEdit, skin ? static_cast<HBITMAP>(m_skin) : nullptr,
                                  1.0f, 0);
    m_richEdit.SetWindowText(NumberedLines(lines).c_str());
    // Shown only once complete, so a test that sees the window sees its bar and text too.
    if (m_frame == nullptr)
        return false;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return true;
}

} // namespace halvane::test
