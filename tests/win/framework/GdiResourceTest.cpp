// GDI ownership: wrappers free what they own, put back what they select, and a window that
// creates, paints and is destroyed leaves no GDI object behind. Wine's GetGuiResources is a stub
// (it returns 0), so the wrappers' own count is checked, and GetObjectType proves real deletion.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/GdiObjectCounter.h"
#include "framework/MemoryDC.h"
#include "framework/PaintDC.h"
#include "framework/ScopedSelect.h"
#include "framework/ClientDC.h"

namespace halvane::test {
namespace {

using fw::GdiObjectCounter;

// Paints through every wrapper and keeps a font and a brush for its life, as the controls do.
class PaintingWindow : public CWnd {
public:
    int m_paints = 0;
    DECLARE_MESSAGE_TABLE()
protected:
    int OnCreate(LPCREATESTRUCTW) noexcept {
        LOGFONTW lf{};
        lf.lfHeight = -13;
        m_font.CreateFontIndirect(&lf);
        m_brush.CreateSolidBrush(RGB(10, 20, 30));
        return 0;
    }
    void OnPaint() noexcept {
        CPaintDC dc(GetSafeHwnd());
        RECT client{};
        GetClientRect(&client);
        CMemoryDC memory(dc, client.right, client.bottom);
        ::FillRect(memory, &client, m_brush);
        {
            fw::ScopedSelect font(memory, m_font);
            ::TextOutW(memory, 2, 2, L"abc", 3);
        }
        CBitmap extra;
        extra.CreateCompatibleBitmap(dc, 8, 8);
        CDC scratch;
        scratch.CreateCompatibleDC(dc);
        fw::ScopedSelect bitmap(scratch, extra);
        memory.BlitTo(dc, 0, 0);
        ++m_paints;
    }

private:
    CFont m_font;
    CBrush m_brush;
};

const fw::MessageTable& PaintingWindow::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_CREATE, &PaintingWindow::OnCreate>(),
        fw::OnMessage<WM_PAINT, &PaintingWindow::OnPaint>(),
    };
    static const fw::MessageTable table{&CWnd::Messages(), entries};
    return table;
}

TEST(GdiResourceTest, CreatePaintDestroyLeavesNothingBehind) {
    const long before = GdiObjectCounter::Live();
    const DWORD systemBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 20; ++i) {
        PaintingWindow window;
        ASSERT_TRUE(CreatePopup(window, RECT{10, 10, 110, 90}, true));
        window.Invalidate();
        window.UpdateWindow();
        ASSERT_GT(window.m_paints, 0);
        // The kept font and brush are counted while the window lives.
        EXPECT_EQ(GdiObjectCounter::Live(), before + 2);
        {
            CClientDC client(window.GetSafeHwnd());
            CWindowDC whole(window.GetSafeHwnd());
            EXPECT_EQ(GdiObjectCounter::Live(), before + 4);
        }
        window.DestroyWindow();
    }
    EXPECT_EQ(GdiObjectCounter::Live(), before);
    if (systemBefore != 0) { // a real count is available on Windows
        EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), systemBefore);
    }
}

TEST(GdiResourceTest, OwnedObjectsAreReallyDeletedAndMovesKeepOneOwner) {
    HBRUSH handle = nullptr;
    {
        CBrush brush(RGB(1, 2, 3));
        handle = brush;
        ASSERT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
        CBrush moved(std::move(brush));
        EXPECT_EQ(brush.GetSafeHandle(), nullptr);
        EXPECT_EQ(moved.GetSafeHandle(), handle);
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);

    CFont font;
    LOGFONTW lf{};
    lf.lfHeight = -20;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    HFONT first = font;
    lf.lfHeight = -30;
    ASSERT_TRUE(font.CreateFontIndirect(&lf)); // replaces: the first font goes
    EXPECT_EQ(::GetObjectType(first), 0u);
    HFONT detached = font.Detach();
    EXPECT_EQ(font.GetSafeHandle(), nullptr);
    EXPECT_EQ(::GetObjectType(detached), static_cast<DWORD>(OBJ_FONT));
    ::DeleteObject(detached);
}

TEST(GdiResourceTest, ScopedSelectPutsThePreviousObjectBack) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_FONT);
    CFont font;
    LOGFONTW lf{};
    lf.lfHeight = -11;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    {
        fw::ScopedSelect select(dc, font);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font.GetSafeHandle());
        EXPECT_EQ(select.Previous(), original);
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), original);
}

TEST(GdiResourceTest, MemoryDcCopiesItsPixelsAndRefusesEmptySizes) {
    CClientDC screen(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -4;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    CBitmap target;
    target.Attach(dib);
    CDC targetDc;
    ASSERT_TRUE(targetDc.CreateCompatibleDC(screen));
    fw::ScopedSelect selected(targetDc, target);
    {
        CMemoryDC memory(targetDc, 4, 4);
        ASSERT_TRUE(memory.IsValid());
        CBrush red(RGB(255, 0, 0));
        RECT all{0, 0, 4, 4};
        ::FillRect(memory, &all, red);
        EXPECT_TRUE(memory.BlitTo(targetDc, 0, 0));
    }
    ::GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u); // BGRA in memory: red in the third byte
    EXPECT_EQ(pixels[15] & 0xFFFFFF, 0xFF0000u);

    CMemoryDC empty(targetDc, 0, 5);
    EXPECT_FALSE(empty.IsValid());
    EXPECT_FALSE(empty.BlitTo(targetDc, 0, 0));
}

} // namespace
} // namespace halvane::test
