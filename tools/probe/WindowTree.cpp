#include "tools/probe/WindowTree.h"

#include "tools/probe/WindowQueries.h"

#include <cstdio>

namespace probe {

namespace {

constexpr int kMaxDepth = 64;
constexpr int kMaxChildren = 10000;
constexpr LRESULT kMaxItems = 10000;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam) noexcept {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lParam);
    try {
        list->push_back(hwnd);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::vector<HWND> CWindowTree::TopLevelWindows() {
    std::vector<HWND> list;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
    return list;
}

void CWindowTree::WriteHandle(const char* key, HWND hwnd) {
    m_out.Key(key);
    if (!hwnd) {
        m_out.Null();
        return;
    }
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
    m_out.String(text);
}

void CWindowTree::WriteRect(const char* key, const RECT& r) {
    m_out.Key(key);
    m_out.BeginArray();
    m_out.Number(r.left);
    m_out.Number(r.top);
    m_out.Number(r.right);
    m_out.Number(r.bottom);
    m_out.EndArray();
}

void CWindowTree::WriteTopLevel(HWND hwnd) {
    m_out.BeginObject();
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
    m_out.Key("pid");
    m_out.Number(pid);
    m_out.Key("tid");
    m_out.Number(tid);
    m_out.Key("image");
    const std::wstring& image = m_images.ImagePath(pid);
    m_out.String(ToU16(image.c_str(), image.size()));
    WriteCommon(hwnd);
    WriteChildren(hwnd, 1);
    m_out.EndObject();
}

void CWindowTree::WriteCommon(HWND hwnd) {
    WriteHandle("hwnd", hwnd);
    std::u16string className = ClassName(hwnd);
    m_out.Key("class");
    m_out.String(className);
    m_out.Key("text");
    m_out.String(WindowText(hwnd));

    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    m_out.Key("id");
    if (style & WS_CHILD)
        m_out.Number(GetDlgCtrlID(hwnd));
    else
        m_out.Null();
    m_out.Key("style");
    m_out.Number(static_cast<DWORD>(style));
    m_out.Key("exstyle");
    m_out.Number(static_cast<DWORD>(exStyle));
    m_out.Key("visible");
    m_out.Bool(IsWindowVisible(hwnd) != FALSE);
    m_out.Key("enabled");
    m_out.Bool(IsWindowEnabled(hwnd) != FALSE);
    m_out.Key("layered");
    m_out.Bool((exStyle & WS_EX_LAYERED) != 0);
    WriteHandle("owner", GetWindow(hwnd, GW_OWNER));

    RECT window{};
    GetWindowRect(hwnd, &window);
    WriteRect("rect", window);
    RECT client{};
    GetClientRect(hwnd, &client);
    WriteRect("clientRect", client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    m_out.Key("clientOrigin");
    m_out.BeginArray();
    m_out.Number(origin.x);
    m_out.Number(origin.y);
    m_out.EndArray();

    WriteControlState(hwnd, className, style);
}

void CWindowTree::WriteControlState(HWND hwnd, const std::u16string& className, LONG style) {
    if (IsClass(className, L"Button")) {
        m_out.Key("check");
        auto check = Ask(hwnd, BM_GETCHECK);
        if (check)
            m_out.Number(*check);
        else
            m_out.Null();
    } else if (IsClass(className, L"ComboBox")) {
        bool ownerDrawn = (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
        if (ownerDrawn && !(style & CBS_HASSTRINGS)) {
            m_out.Key("items");
            m_out.Null(); // only item data, no texts to read
        } else {
            WriteListItems(hwnd, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
        }
        m_out.Key("selection");
        auto sel = Ask(hwnd, CB_GETCURSEL);
        if (sel)
            m_out.Number(*sel);
        else
            m_out.Null();
        m_out.Key("dropped");
        auto dropped = Ask(hwnd, CB_GETDROPPEDSTATE);
        m_out.Bool(dropped && *dropped);
    } else if (IsClass(className, L"ListBox") || IsClass(className, L"ComboLBox")) {
        bool ownerDrawn = (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
        if (ownerDrawn && !(style & LBS_HASSTRINGS)) {
            m_out.Key("items");
            m_out.Null();
        } else {
            WriteListItems(hwnd, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
        }
        m_out.Key("selection");
        auto sel = Ask(hwnd, LB_GETCURSEL);
        if (sel)
            m_out.Number(*sel);
        else
            m_out.Null();
        // Enough to aim a click at an item: its top is (index - topIndex) * itemHeight.
        m_out.Key("topIndex");
        auto top = Ask(hwnd, LB_GETTOPINDEX);
        if (top)
            m_out.Number(*top);
        else
            m_out.Null();
        m_out.Key("itemHeight");
        auto height = Ask(hwnd, LB_GETITEMHEIGHT);
        if (height)
            m_out.Number(*height);
        else
            m_out.Null();
    }
}

void CWindowTree::WriteListItems(HWND hwnd, UINT getCount, UINT getLength, UINT getText) {
    m_out.Key("items");
    auto count = Ask(hwnd, getCount);
    if (!count || *count < 0 || *count > kMaxItems) {
        m_out.Null();
        return;
    }
    m_out.BeginArray();
    for (LRESULT i = 0; i < *count; ++i) {
        auto length = Ask(hwnd, getLength, static_cast<WPARAM>(i));
        if (!length || *length < 0 || *length > 65535) {
            m_out.Null();
            continue;
        }
        std::u16string text(static_cast<std::size_t>(*length) + 1, u'\0');
        auto got =
            Ask(hwnd, getText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        if (!got || *got < 0 || *got > *length) {
            m_out.Null();
            continue;
        }
        text.resize(static_cast<std::size_t>(*got));
        m_out.String(text);
    }
    m_out.EndArray();
}

void CWindowTree::WriteChildren(HWND hwnd, int depth) {
    m_out.Key("children");
    m_out.BeginArray();
    if (depth <= kMaxDepth) {
        int n = 0;
        for (HWND child = GetWindow(hwnd, GW_CHILD); child && n < kMaxChildren;
             child = GetWindow(child, GW_HWNDNEXT), ++n) {
            m_out.BeginObject();
            WriteCommon(child);
            WriteChildren(child, depth + 1);
            m_out.EndObject();
        }
    }
    m_out.EndArray();
}

} // namespace probe
