// The non-image records: scroll bar bitmap, application icon, the About string, the version
// record and the manifest.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "ResourceBytes.h"

namespace {

struct BitmapDelete {
    void operator()(HBITMAP b) const noexcept { DeleteObject(b); }
};
struct IconDestroy {
    void operator()(HICON i) const noexcept { DestroyIcon(i); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDelete>;
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroy>;

uint16_t U16(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
    return U16(b, at) | static_cast<uint32_t>(U16(b, at + 2)) << 16;
}

TEST(ResourceRecords, ScrollBarBitmapIsA9By3GridOf13PixelCellsAt8Bits) {
    const std::vector<unsigned char> b = ResourceBytes(MAKEINTRESOURCEW(2) /* RT_BITMAP */, 182);
    ASSERT_GE(b.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, b.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 117);
    EXPECT_EQ(std::abs(header.biHeight), 39);
    EXPECT_EQ(header.biBitCount, 8);

    BitmapHandle bitmap(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(182)));
    ASSERT_TRUE(bitmap);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bitmap.get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 117);
    EXPECT_EQ(info.bmHeight, 39);

    // Read the cells back as 32-bit colour: mid-grey thumb, white track, a chevron in the arrows.
    BITMAPINFO want{};
    want.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    want.bmiHeader.biWidth = 117;
    want.bmiHeader.biHeight = -39;
    want.bmiHeader.biPlanes = 1;
    want.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> px(117 * 39);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap.get(), 0, 39, px.data(), &want, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(rows, 39);
    auto at = [&](int column, int row, int x, int y) {
        return px[static_cast<size_t>(row * 13 + y) * 117 + column * 13 + x] & 0xFFFFFF;
    };
    EXPECT_EQ(at(2, 0, 6, 6), 0x808080u) << "vertical thumb";
    EXPECT_EQ(at(6, 0, 6, 6), 0x808080u) << "horizontal thumb";
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(at(3, 0, x, y), 0xFFFFFFu) << "vertical track";
    for (int column : {0, 1, 4, 5}) {
        int ink = 0;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x)
                ink += at(column, 0, x, y) != 0xFFFFFF;
        EXPECT_GT(ink, 8) << "arrow " << column;
    }
}

TEST(ResourceRecords, IconGroupHolds13ImagesThatAllLoad) {
    const std::vector<unsigned char> group =
        ResourceBytes(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, 128);
    ASSERT_GE(group.size(), 6u);
    ASSERT_EQ(U16(group, 2), 1) << "icon, not cursor";
    ASSERT_EQ(U16(group, 4), 13);
    ASSERT_EQ(group.size(), 6u + 13 * 14);
    const std::pair<int, int> expected[13] = {{16, 4},  {32, 4},  {16, 8},  {32, 8},  {48, 8},
                                              {16, 32}, {20, 32}, {24, 32}, {32, 32}, {40, 32},
                                              {48, 32}, {64, 32}, {256, 32}};
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        const size_t e = 6 + 14 * static_cast<size_t>(i);
        const int size = group[e] == 0 ? 256 : group[e];
        EXPECT_EQ(size, expected[i].first);
        EXPECT_EQ(group[e + 1], group[e]) << "square";
        EXPECT_EQ(U16(group, e + 6), expected[i].second) << "bits per pixel";
        std::vector<unsigned char> image =
            ResourceBytes(MAKEINTRESOURCEW(3) /* RT_ICON */, U16(group, e + 12));
        ASSERT_EQ(image.size(), U32(group, e + 8));
        IconHandle icon(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()),
                                                 TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR));
        EXPECT_TRUE(icon);
    }
    IconHandle big(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128), IMAGE_ICON, 48, 48, 0)));
    EXPECT_TRUE(big);
}

TEST(ResourceRecords, AboutStringLoads) {
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(GetModuleHandleW(nullptr), 101, text, 64), 0);
    EXPECT_STREQ(text, L"关于 Halvane(&A)...");
}

std::wstring VersionString(const std::vector<unsigned char>& block, const wchar_t* name) {
    std::vector<unsigned char> copy(block); // VerQueryValueW wants a writable block
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(copy.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value)
        return L"<missing>";
    return std::wstring(value);
}

TEST(ResourceRecords, VersionRecordIs1_0_21_219InSimplifiedChinese) {
    std::vector<unsigned char> block = ResourceBytes(MAKEINTRESOURCEW(16) /* RT_VERSION */, 1);
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, (21u << 16) | 219u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, (21u << 16) | 219u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);

    EXPECT_EQ(VersionString(block, L"FileVersion"), L"1.0.21.219");
    EXPECT_EQ(VersionString(block, L"ProductVersion"), L"1.0.21.219");
    EXPECT_EQ(VersionString(block, L"InternalName"), L"Halvane.exe");
    EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"Halvane.exe");
    EXPECT_EQ(VersionString(block, L"FileDescription"), L"Halvane");
    EXPECT_EQ(VersionString(block, L"ProductName"), L"Halvane");
}

TEST(ResourceRecords, OneManifestAsksForAdministratorDpiAwarenessAndCommonControls6) {
    EXPECT_EQ(ResourceIds(MAKEINTRESOURCEW(24) /* RT_MANIFEST */), std::vector<int>{1});
    const std::vector<unsigned char> bytes = ResourceBytes(MAKEINTRESOURCEW(24), 1);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(text.find("uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(text.find(">true</dpiAware>"), std::string::npos);
    const size_t controls = text.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(controls, std::string::npos);
    const size_t end = text.find("/>", controls);
    const std::string identity = text.substr(controls, end - controls);
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(identity.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
}

} // namespace
