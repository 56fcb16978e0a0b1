// Every skin image: present as a "PNG" resource, decodable by GDI+ from a memory stream, of the
// size it is drawn at, with or without alpha as its user expects, and with the edges the windows
// rely on (frames fade out exactly over the insets at which their inner window lies).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "ResourceBytes.h"

namespace {

struct PngEntry {
    int id;
    int width;
    int height;
    bool alpha;
};

std::vector<PngEntry> Table() {
    std::vector<PngEntry> t = {{138, 410, 611, true},  {139, 400, 600, false},
                               {140, 48, 16, true},    {145, 232, 132, true},
                               {146, 204, 104, true},  {159, 330, 150, true},
                               {160, 320, 140, false}, {176, 410, 479, true},
                               {177, 400, 468, true},  {191, 541, 402, true}};
    struct Run {
        int first, last, width, height;
        bool alpha;
    };
    const Run runs[] = {
        {141, 144, 26, 34, false}, {147, 150, 26, 34, false}, {151, 154, 266, 60, true},
        {155, 158, 58, 18, false}, {161, 163, 55, 24, false}, {164, 166, 12, 12, false},
        {167, 175, 55, 24, false}, {178, 181, 12, 12, false}, {183, 186, 246, 47, false},
        {187, 190, 266, 60, true}, {192, 195, 266, 60, true}};
    for (const Run& r : runs)
        for (int id = r.first; id <= r.last; ++id)
            t.push_back({id, r.width, r.height, r.alpha});
    std::sort(t.begin(), t.end(), [](const PngEntry& a, const PngEntry& b) { return a.id < b.id; });
    return t;
}

uint32_t BigEndian32(const std::vector<unsigned char>& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

struct StreamRelease {
    void operator()(IStream* s) const noexcept { s->Release(); }
};

// A decoded image together with the stream it reads from (GDI+ may read it lazily).
struct Decoded {
    std::unique_ptr<IStream, StreamRelease> stream;
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
};

Decoded Decode(const std::vector<unsigned char>& bytes) {
    Decoded d;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block)
        return d;
    if (void* p = GlobalLock(block)) {
        std::copy(bytes.begin(), bytes.end(), static_cast<unsigned char*>(p));
        GlobalUnlock(block);
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return d;
    }
    d.stream.reset(stream);
    d.bitmap.reset(Gdiplus::Bitmap::FromStream(stream, FALSE));
    return d;
}

// Alpha of every pixel, row by row.
std::vector<uint8_t> Alpha(Gdiplus::Bitmap& bitmap) {
    const int w = static_cast<int>(bitmap.GetWidth()), h = static_cast<int>(bitmap.GetHeight());
    std::vector<uint8_t> alpha;
    Gdiplus::Rect all(0, 0, w, h);
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok)
        return alpha;
    alpha.reserve(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* row = static_cast<const uint32_t*>(data.Scan0) + y * (data.Stride / 4);
        for (int x = 0; x < w; ++x)
            alpha.push_back(static_cast<uint8_t>(row[x] >> 24));
    }
    bitmap.UnlockBits(&data);
    return alpha;
}

class PngResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

    static std::vector<uint8_t> AlphaOf(int id) {
        Decoded d = Decode(ResourceBytes(L"PNG", id));
        return d.bitmap ? Alpha(*d.bitmap) : std::vector<uint8_t>{};
    }

    static ULONG_PTR token_;
};

ULONG_PTR PngResources::token_ = 0;

TEST_F(PngResources, ExactlyTheTableIdentifiersArePresent) {
    const std::vector<PngEntry> table = Table();
    std::vector<int> expected;
    for (const PngEntry& s : table)
        expected.push_back(s.id);
    std::vector<int> present = ResourceIds(L"PNG");
    std::sort(present.begin(), present.end());
    EXPECT_EQ(expected.size(), 57u);
    EXPECT_EQ(present, expected);
    EXPECT_EQ(std::count_if(table.begin(), table.end(), [](const PngEntry& s) { return s.alpha; }),
              20);
}

TEST_F(PngResources, HeaderGivesTableSizeAndColourType) {
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const PngEntry& s : Table()) {
        SCOPED_TRACE(s.id);
        std::vector<unsigned char> b = ResourceBytes(L"PNG", s.id);
        ASSERT_GT(b.size(), 33u);
        EXPECT_TRUE(std::equal(signature, signature + 8, b.begin()));
        EXPECT_EQ(BigEndian32(b, 16), static_cast<uint32_t>(s.width));
        EXPECT_EQ(BigEndian32(b, 20), static_cast<uint32_t>(s.height));
        EXPECT_EQ(b[24], 8) << "bits per channel";
        EXPECT_EQ(b[25], s.alpha ? 6 : 2) << "colour type: 6 RGBA, 2 RGB";
    }
}

TEST_F(PngResources, DecodesFromAStreamAtTableSizeAndAlpha) {
    for (const PngEntry& s : Table()) {
        SCOPED_TRACE(s.id);
        Decoded d = Decode(ResourceBytes(L"PNG", s.id));
        ASSERT_TRUE(d.bitmap);
        ASSERT_EQ(d.bitmap->GetLastStatus(), Gdiplus::Ok);
        EXPECT_EQ(d.bitmap->GetWidth(), static_cast<UINT>(s.width));
        EXPECT_EQ(d.bitmap->GetHeight(), static_cast<UINT>(s.height));
        EXPECT_EQ(Gdiplus::IsAlphaPixelFormat(d.bitmap->GetPixelFormat()) != FALSE, s.alpha);
        if (!s.alpha) {
            std::vector<uint8_t> a = Alpha(*d.bitmap);
            EXPECT_TRUE(std::all_of(a.begin(), a.end(), [](uint8_t v) { return v == 255; }));
        }
    }
}

TEST_F(PngResources, StatesOfEachButtonDiffer) {
    const int firstOfRun[] = {141, 147, 151, 155, 161, 164, 167, 170, 173, 178, 183, 187, 192};
    for (int first : firstOfRun) {
        const int count = first >= 161 && first <= 173 ? 3 : 4;
        for (int a = first; a < first + count; ++a)
            for (int b = a + 1; b < first + count; ++b)
                EXPECT_NE(ResourceBytes(L"PNG", a), ResourceBytes(L"PNG", b)) << a << " and " << b;
    }
}

struct Insets {
    int left, top, right, bottom;
};

// The face is opaque; every pixel of the margin is not, nearly 0 at the outer edge and rising
// towards the face.
void ExpectFadingFrame(const std::vector<uint8_t>& alpha, int w, int h, Insets in) {
    ASSERT_EQ(alpha.size(), static_cast<size_t>(w) * h);
    auto at = [&](int x, int y) { return alpha[static_cast<size_t>(y) * w + x]; };
    int faceNotOpaque = 0, marginOpaque = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool face = x >= in.left && x < w - in.right && y >= in.top && y < h - in.bottom;
            if (face && at(x, y) != 255)
                ++faceNotOpaque;
            if (!face && at(x, y) == 255)
                ++marginOpaque;
        }
    EXPECT_EQ(faceNotOpaque, 0);
    EXPECT_EQ(marginOpaque, 0);
    const int mx = w / 2, my = h / 2;
    EXPECT_LE(at(0, my), 48);
    EXPECT_LE(at(w - 1, my), 48);
    EXPECT_LE(at(mx, 0), 48);
    EXPECT_LE(at(mx, h - 1), 48);
    for (int x = 1; x < in.left; ++x)
        EXPECT_GT(at(x, my), at(x - 1, my));
    for (int y = 1; y < in.top; ++y)
        EXPECT_GT(at(mx, y), at(mx, y - 1));
    for (int x = w - 2; x >= w - in.right; --x)
        EXPECT_GT(at(x, my), at(x + 1, my));
    for (int y = h - 2; y >= h - in.bottom; --y)
        EXPECT_GT(at(mx, y), at(mx, y + 1));
}

TEST_F(PngResources, FramesFadeOutOverTheirInnerInsets) {
    struct Frame {
        int id, w, h;
        Insets insets;
    };
    const Frame frames[] = {{138, 410, 611, {5, 4, 5, 7}},
                            {145, 232, 132, {14, 12, 14, 16}},
                            {159, 330, 150, {5, 3, 5, 7}},
                            {176, 410, 479, {5, 4, 5, 7}}};
    for (const Frame& f : frames) {
        SCOPED_TRACE(f.id);
        ExpectFadingFrame(AlphaOf(f.id), f.w, f.h, f.insets);
    }
}

TEST_F(PngResources, AgreementSkinIsOpaqueWhereItsInnerDrawsAndFadesBelow) {
    // The inner draws (0, 0)-(540, 384) of the 541 x 402 picture; the outer shows the rest.
    const std::vector<uint8_t> a = AlphaOf(191);
    ASSERT_EQ(a.size(), 541u * 402u);
    auto at = [&](int x, int y) { return a[static_cast<size_t>(y) * 541 + x]; };
    int sheetNotOpaque = 0;
    for (int y = 0; y < 384; ++y)
        for (int x = 0; x < 540; ++x)
            sheetNotOpaque += at(x, y) != 255;
    EXPECT_EQ(sheetNotOpaque, 0);
    EXPECT_LT(at(540, 200), 255);
    for (int y = 385; y < 402; ++y)
        EXPECT_LT(at(270, y), at(270, y - 1));
    EXPECT_LE(at(270, 401), 48);
}

TEST_F(PngResources, InnerSurfacesWithAlphaAreOpaqueAndAnswerButtonsHaveAClearRim) {
    for (int id : {140, 146, 177}) {
        SCOPED_TRACE(id);
        const std::vector<uint8_t> a = AlphaOf(id);
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(std::all_of(a.begin(), a.end(), [](uint8_t v) { return v == 255; }));
    }
    // Clicks in the 9-pixel rim are ignored, so the rim shows the dialog through.
    for (int id : {151, 152, 153, 154, 187, 188, 189, 190, 192, 193, 194, 195}) {
        SCOPED_TRACE(id);
        const std::vector<uint8_t> a = AlphaOf(id);
        ASSERT_EQ(a.size(), 266u * 60u);
        auto at = [&](int x, int y) { return a[static_cast<size_t>(y) * 266 + x]; };
        for (int x = 0; x < 266; ++x)
            EXPECT_LT(at(x, 3), 64) << x;
        EXPECT_EQ(at(0, 0), 0);
        EXPECT_EQ(at(133, 30), 255);
        EXPECT_EQ(at(12, 30), 255);
    }
}

} // namespace
