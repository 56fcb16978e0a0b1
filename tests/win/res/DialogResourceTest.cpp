// Every dialog template: its frame (style, font, size where it matters) and its controls (id,
// class, style, text), read from the resource, then created for real.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "DialogTemplate.h"
#include "ResourceBytes.h"

namespace {

struct Control {
    int id;
    const char16_t* className;
    uint32_t style;
    const char16_t* text;
    int textOrdinal = -1;
};

struct Expected {
    int id;
    uint32_t style;
    uint32_t exStyle;
    uint16_t pointSize;
    const char16_t* typeface;
    int cx, cy; // 0: free
    const char16_t* title;
    std::vector<Control> controls;
};

constexpr uint32_t kSkinned = 0x80080040; // WS_POPUP | WS_SYSMENU | DS_SETFONT
constexpr uint32_t kOwnerDrawn = 0x5001000B;
constexpr uint32_t kStatic = 0x50020000;

std::vector<Expected> Templates() {
    return {
        {100,
         0x80C800C8,
         0,
         9,
         u"MS Shell Dlg",
         170,
         62,
         u"关于 Halvane",
         {{-1, u"Static", 0x50000003, u"", 128},
          {-1, u"Static", 0x50020080, u"Halvane，1.0 版"},
          {-1, u"Static", 0x50020000, u"一键切换电源模式的小工具"},
          {1, u"Button", 0x50030001, u"确定"}}},
        {102, 0x90080040, 0x00040000, 10, u"宋体", 457, 369, u"", {}},
        {129, kSkinned, 0, 10, u"宋体", 0, 0, u"", {{1000, u"Static", kStatic, u"Static"}}},
        {130, kSkinned, 0, 10, u"宋体", 0, 0, u"", {}},
        {131,
         kSkinned,
         0,
         10,
         u"宋体",
         0,
         0,
         u"",
         {{1003, u"Button", kOwnerDrawn, u"解决"},
          {1004, u"Button", kOwnerDrawn, u"未解决"},
          {1001, u"Button", kOwnerDrawn, u"更多方案"},
          {1002, u"Button", kOwnerDrawn, u"关闭"}}},
        {132, kSkinned, 0, 10, u"宋体", 0, 0, u"", {}},
        {133,
         kSkinned,
         0,
         10,
         u"宋体",
         0,
         0,
         u"",
         {{1005, u"Button", kOwnerDrawn, u"关闭"},
          {1007, u"Button", kOwnerDrawn, u"确定"},
          {1008, u"Button", kOwnerDrawn, u"取消"},
          {1006, u"Static", kStatic, u""}}},
        {134, kSkinned, 0, 10, u"宋体", 0, 0, u"", {}},
        {135, kSkinned, 0, 10, u"宋体", 280, 240, u"", {{1009, u"RichEdit20W", 0x50A12804, u""}}},
        {136, kSkinned, 0, 10, u"宋体", 280, 240, u"", {}},
        {137,
         kSkinned,
         0,
         10,
         u"宋体",
         0,
         0,
         u"",
         {{1015, u"Button", kOwnerDrawn, u"设置"},
          {1016, u"Button", kOwnerDrawn, u"更多工具"},
          {1014, u"Static", kStatic, u"Static"},
          {1010, u"Button", kOwnerDrawn, u"关闭"},
          {1011, u"Button", kOwnerDrawn, u"最小化"},
          {1012, u"ComboBox", 0x50210103, u""},
          {1013, u"Button", 0x50010003, u"同意"},
          {1017, u"Static", kStatic, u"《岚拓服务工具使用许可协议》"},
          {1018, u"Static", kStatic, u"反馈问题"}}},
    };
}

std::u16string Lower(std::u16string s) {
    for (char16_t& c : s)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return s;
}

std::u16string AsU16(const wchar_t* s) {
    return std::u16string(s, s + wcslen(s));
}

TEST(DialogResources, ExactlyTheElevenTemplatesArePresent) {
    std::vector<int> ids = ResourceIds(MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{100, 102, 129, 130, 131, 132, 133, 134, 135, 136, 137}));
}

TEST(DialogResources, TemplatesHoldTheirFrameAndControls) {
    for (const Expected& e : Templates()) {
        SCOPED_TRACE(e.id);
        const std::vector<unsigned char> bytes = ResourceBytes(MAKEINTRESOURCEW(5), e.id);
        const auto t = DialogTemplate::Parse(bytes.data(), bytes.size());
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(t->style, e.style);
        EXPECT_EQ(t->exStyle, e.exStyle);
        EXPECT_EQ(t->x, 0);
        EXPECT_EQ(t->y, 0);
        if (e.cx) {
            EXPECT_EQ(t->cx, e.cx);
            EXPECT_EQ(t->cy, e.cy);
        }
        EXPECT_TRUE(t->title == e.title);
        EXPECT_EQ(t->pointSize, e.pointSize);
        EXPECT_TRUE(t->typeface == e.typeface);
        ASSERT_EQ(t->items.size(), e.controls.size());
        for (size_t i = 0; i < e.controls.size(); ++i) {
            SCOPED_TRACE(e.controls[i].id);
            const DialogItem& item = t->items[i];
            EXPECT_EQ(item.id, e.controls[i].id);
            EXPECT_EQ(Lower(item.className), Lower(e.controls[i].className));
            EXPECT_EQ(item.style, e.controls[i].style) << std::hex << item.style;
            EXPECT_EQ(item.exStyle, 0u);
            EXPECT_TRUE(item.text == e.controls[i].text);
            EXPECT_EQ(item.textOrdinal, e.controls[i].textOrdinal);
        }
    }
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) noexcept {
    return message == WM_INITDIALOG;
}

struct WindowDestroy {
    void operator()(HWND w) const noexcept { DestroyWindow(w); }
};
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroy>;

TEST(DialogResources, EveryTemplateCreatesItsWindowsWithTheirTexts) {
    ASSERT_TRUE(LoadLibraryW(L"riched20.dll")) << "RichEdit20W lives there";
    for (const Expected& e : Templates()) {
        SCOPED_TRACE(e.id);
        WindowHandle dialog(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(e.id),
                                               nullptr, QuietDialogProc, 0));
        ASSERT_TRUE(dialog) << GetLastError();
        for (const Control& c : e.controls) {
            if (c.id == -1)
                continue;
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog.get(), c.id);
            ASSERT_TRUE(control);
            wchar_t buffer[256] = {};
            GetClassNameW(control, buffer, 256);
            EXPECT_EQ(Lower(AsU16(buffer)), Lower(c.className));
            GetWindowTextW(control, buffer, 256);
            EXPECT_TRUE(AsU16(buffer) == c.text);
        }
    }
}

} // namespace
