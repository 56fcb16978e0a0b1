// LoadPngFromResource and the process's PNG cache against PNG resources linked into this test:
// decoded pixels, independent images, the missing and undecodable cases, one shared image per id
// while a cache lives, and no memory left once the images (or the cache) are gone.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "TestResources.h"
#include "controls/PngCache.h"
#include "controls/PngResource.h"
#include "win/support/Gdiplus.h"

namespace halvane {
namespace {

[[maybe_unused]] ::testing::Environment* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new test::GdiplusEnvironment);

class PngResourceTest : public ::testing::Test {
protected:
    // The ARGB of one pixel, read back by drawing the image into a 32-bit bitmap.
    static Gdiplus::ARGB PixelOf(Gdiplus::Image& image, int x, int y) {
        Gdiplus::Bitmap canvas(static_cast<INT>(image.GetWidth()),
                               static_cast<INT>(image.GetHeight()), PixelFormat32bppARGB);
        {
            Gdiplus::Graphics g(&canvas);
            g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
            g.DrawImage(&image, 0, 0, image.GetWidth(), image.GetHeight());
        }
        Gdiplus::Color c;
        canvas.GetPixel(x, y, &c);
        return c.GetValue();
    }
};

TEST_F(PngResourceTest, LoadsTheImageWithItsPixelsAndAlpha) {
    Gdiplus::Image* image = nullptr;
    ASSERT_EQ(LoadPngFromResource(&image, IDP_RGBA_4X3), 1);
    std::unique_ptr<Gdiplus::Image> owned(image);
    ASSERT_EQ(image->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image->GetWidth(), 4u);
    EXPECT_EQ(image->GetHeight(), 3u);
    EXPECT_EQ(PixelOf(*image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(PixelOf(*image, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(PixelOf(*image, 1, 2), 0xFF28323Cu);
    EXPECT_EQ(PixelOf(*image, 0, 1) >> 24, 128u);
    EXPECT_EQ(PixelOf(*image, 3, 2) >> 24, 0u);
}

TEST_F(PngResourceTest, SameIdTwiceGivesTwoIndependentImages) {
    Gdiplus::Image* first = nullptr;
    Gdiplus::Image* second = nullptr;
    ASSERT_EQ(LoadPngFromResource(&first, IDP_RGB_2X2), 1);
    ASSERT_EQ(LoadPngFromResource(&second, IDP_RGB_2X2), 1);
    ASSERT_NE(first, second);
    delete first; // the second keeps its own bytes
    std::unique_ptr<Gdiplus::Image> owned(second);
    EXPECT_EQ(second->GetWidth(), 2u);
    EXPECT_EQ(PixelOf(*second, 0, 0), 0xFFC86432u);
    EXPECT_EQ(PixelOf(*second, 1, 1), 0xFFFFFF00u);
    EXPECT_EQ(second->GetLastStatus(), Gdiplus::Ok);
}

TEST_F(PngResourceTest, MissingIdReturnsZeroAndLeavesThePointer) {
    auto* sentinel = reinterpret_cast<Gdiplus::Image*>(static_cast<std::uintptr_t>(0x1234));
    Gdiplus::Image* image = sentinel;
    EXPECT_EQ(LoadPngFromResource(&image, IDP_MISSING), 0);
    EXPECT_EQ(image, sentinel);
    EXPECT_EQ(LoadPngFromResource(nullptr, IDP_RGB_2X2), 0);
}

TEST_F(PngResourceTest, UndecodableResourceStillGivesAnImageThatReportsItsError) {
    Gdiplus::Image* image = nullptr;
    ASSERT_EQ(LoadPngFromResource(&image, IDP_NOT_A_PNG), 1);
    ASSERT_NE(image, nullptr);
    std::unique_ptr<Gdiplus::Image> owned(image);
    EXPECT_NE(image->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image->GetWidth(), 0u);
}

// The bytes of a file, empty when it cannot be read.
std::vector<std::uint8_t> FileBytes(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    if (FILE* file = ::_wfopen(path.c_str(), L"rb")) {
        std::uint8_t block[4096];
        for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;)
            bytes.insert(bytes.end(), block, block + n);
        std::fclose(file);
    }
    return bytes;
}

// All rows of a bitmap in its own pixel format.
std::vector<std::uint8_t> RowsOf(Gdiplus::Bitmap& bitmap) {
    const auto w = static_cast<INT>(bitmap.GetWidth()), h = static_cast<INT>(bitmap.GetHeight());
    const Gdiplus::PixelFormat format = bitmap.GetPixelFormat();
    const std::size_t rowBytes =
        static_cast<std::size_t>(w) * Gdiplus::GetPixelFormatSize(format) / 8;
    Gdiplus::Rect all(0, 0, w, h);
    Gdiplus::BitmapData data{};
    std::vector<std::uint8_t> rows;
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, format, &data) != Gdiplus::Ok)
        return rows;
    for (INT y = 0; y < h; ++y) {
        const auto* row =
            static_cast<const std::uint8_t*>(data.Scan0) + std::ptrdiff_t{y} * data.Stride;
        rows.insert(rows.end(), row, row + rowBytes);
    }
    bitmap.UnlockBits(&data);
    return rows;
}

// Every PNG of the program's art, decoded without GDI+'s codec, is what GDI+ makes of it.
TEST_F(PngResourceTest, TheArtDecodesExactlyAsGdiplusDecodesIt) {
    std::wstring folder = L"Z:";
    for (const char c : std::string(HALVANE_ART_DIR))
        folder += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    WIN32_FIND_DATAW found{};
    HANDLE find = ::FindFirstFileW((folder + L"\\*.png").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int files = 0;
    do {
        const std::wstring path = folder + L"\\" + found.cFileName;
        SCOPED_TRACE(std::string(path.begin(), path.end()));
        const std::vector<std::uint8_t> bytes = FileBytes(path);
        std::unique_ptr<Gdiplus::Image> ours(
            LoadPngFromBytes(bytes.data(), static_cast<DWORD>(bytes.size())));
        Gdiplus::Bitmap reference(path.c_str());
        ASSERT_TRUE(ours && ours->GetType() == Gdiplus::ImageTypeBitmap);
        ASSERT_EQ(reference.GetLastStatus(), Gdiplus::Ok);
        EXPECT_EQ(ours->GetWidth(), reference.GetWidth());
        EXPECT_EQ(ours->GetHeight(), reference.GetHeight());
        EXPECT_EQ(ours->GetPixelFormat(), reference.GetPixelFormat());
        const std::vector<std::uint8_t> pixels = RowsOf(static_cast<Gdiplus::Bitmap&>(*ours));
        EXPECT_FALSE(pixels.empty());
        EXPECT_TRUE(pixels == RowsOf(reference)); // not printed: up to a megabyte
        ++files;
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    EXPECT_GE(files, 50);
}

// Busy bytes of the process heap, where GlobalAlloc and GDI+ allocate under Wine.
std::size_t HeapBusyBytes() {
    std::size_t busy = 0;
    HANDLE heap = ::GetProcessHeap();
    ::HeapLock(heap);
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heap, &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            busy += entry.cbData;
    }
    ::HeapUnlock(heap);
    return busy;
}

TEST_F(PngResourceTest, DeletingTheImagesReleasesTheirMemory) {
    // One round first, so lazily made GDI+ and codec state is not counted.
    Gdiplus::Image* warm = nullptr;
    ASSERT_EQ(LoadPngFromResource(&warm, IDP_NOISE_64), 1);
    delete warm;

    constexpr int kRounds = 200;
    HRSRC found = ::FindResourceW(nullptr, MAKEINTRESOURCEW(IDP_NOISE_64), L"PNG");
    const std::size_t resourceSize = ::SizeofResource(nullptr, found);
    ASSERT_GT(resourceSize, 10000u);
    const std::size_t before = HeapBusyBytes();
    for (int i = 0; i < kRounds; ++i) {
        Gdiplus::Image* image = nullptr;
        ASSERT_EQ(LoadPngFromResource(&image, IDP_NOISE_64), 1);
        ASSERT_EQ(image->GetWidth(), 64u);
        delete image;
    }
    const std::size_t after = HeapBusyBytes();
    // Keeping each copy of the bytes would add kRounds x resourceSize (over 3 MB).
    EXPECT_LT(after, before + resourceSize * 4) << "before " << before << " after " << after;
}

TEST_F(PngResourceTest, CacheSharesOneImagePerIdAndLetsGoWhenItEnds) {
    const SharedImage loose = CPngCache::Get(IDP_RGB_2X2); // no cache: the caller's own
    ASSERT_TRUE(loose);
    EXPECT_NE(CPngCache::Get(IDP_RGB_2X2), loose);
    SharedImage kept;
    {
        CPngCache cache;
        kept = CPngCache::Get(IDP_RGB_2X2);
        ASSERT_TRUE(kept);
        EXPECT_NE(kept, loose);
        EXPECT_EQ(CPngCache::Get(IDP_RGB_2X2), kept);
        EXPECT_FALSE(CPngCache::Get(IDP_MISSING));
        {
            CPngCache second; // only one cache serves the process
            EXPECT_EQ(CPngCache::Get(IDP_RGB_2X2), kept);
            EXPECT_EQ(second.Size(), 0u);
        }
        EXPECT_EQ(cache.Size(), 1u);
    }
    EXPECT_EQ(kept.use_count(), 1); // the cache has let go; a holder keeps its image
    EXPECT_EQ(PixelOf(*kept, 1, 1), 0xFFFFFF00u);
    EXPECT_NE(CPngCache::Get(IDP_RGB_2X2), kept);
}

TEST_F(PngResourceTest, CacheFreesEveryImageWhenItEnds) {
    const WORD ids[] = {IDP_NOISE_64, IDP_RGB_2X2, IDP_RGBA_4X3, IDP_NOT_A_PNG, IDP_MISSING};
    auto round = [&] {
        CPngCache cache;
        for (const WORD id : ids)
            CPngCache::Get(id);
        EXPECT_EQ(cache.Size(), 4u); // the undecodable one included, the missing one not
    };
    round(); // lazily made GDI+ and codec state is not counted
    HRSRC found = ::FindResourceW(nullptr, MAKEINTRESOURCEW(IDP_NOISE_64), L"PNG");
    const std::size_t resourceSize = ::SizeofResource(nullptr, found);
    const std::size_t before = HeapBusyBytes();
    for (int i = 0; i < 50; ++i)
        round();
    // Fifty kept 64 x 64 images would add far more.
    EXPECT_LT(HeapBusyBytes(), before + resourceSize * 4);
}

} // namespace
} // namespace halvane
