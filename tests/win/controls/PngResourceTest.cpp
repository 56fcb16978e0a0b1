// LoadPngFromResource and the process's PNG cache against PNG resources linked into this test:
// decoded pixels, independent images, the missing and undecodable cases, one shared image per id
// while a cache lives, and no memory left once the images (or the cache) are gone.
#include <gtest/gtest.h>

#include <memory>

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
