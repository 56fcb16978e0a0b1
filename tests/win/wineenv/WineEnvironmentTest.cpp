// The test prefix is what every Windows-side test assumes: code page 936 and a CJK font
// standing in for 宋体.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(WineEnvironment, AnsiAndOemCodePagesAre936) {
    EXPECT_EQ(::GetACP(), 936u);
    EXPECT_EQ(::GetOEMCP(), 936u);
}

// Glyphs of the dialog font for the tool's own name; a face without CJK glyphs marks them missing.
TEST(WineEnvironment, SongTiRendersChineseThroughTheReplacementFont) {
    for (const wchar_t* face : {L"宋体", L"SimSun"}) {
        LOGFONTW lf{};
        lf.lfHeight = -13;
        lf.lfCharSet = DEFAULT_CHARSET;
        wcscpy_s(lf.lfFaceName, face);
        HFONT font = ::CreateFontIndirectW(&lf);
        ASSERT_NE(font, nullptr);
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, font);
        WORD glyphs[4] = {};
        const wchar_t text[] = L"霁衡设置";
        ASSERT_EQ(::GetGlyphIndicesW(dc, text, 4, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 4u);
        for (WORD g : glyphs)
            EXPECT_NE(g, 0xFFFF) << "missing glyph in " << (face[0] == L'S' ? "SimSun" : "宋体");
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text, 4, &size);
        EXPECT_GT(size.cx, 4 * 8) << "CJK characters are about one em wide";
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::DeleteObject(font);
    }
}

} // namespace
