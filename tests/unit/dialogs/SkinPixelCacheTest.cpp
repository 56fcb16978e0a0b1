// The kept skin pixels: found only for the same live image, size and quality; the least recently
// used entry goes beyond the capacity; an entry of a freed image never matches and is dropped.
#include <gtest/gtest.h>

#include "dialogs/SkinPixelCache.h"

namespace halvane {
namespace {

const std::uint32_t kPixels[6] = {1, 2, 3, 4, 5, 6};

TEST(SkinPixelCacheTest, FindsOnlyTheSameImageSizeAndQuality) {
    SkinPixelCache cache(2);
    const auto skin = std::make_shared<int>(0);
    const auto other = std::make_shared<int>(0);
    cache.Keep(skin, 3, 2, false, kPixels);
    const struct {
        std::shared_ptr<const void> image;
        int width, height;
        bool highQuality;
        bool found;
    } cases[] = {
        {skin, 3, 2, false, true},   {skin, 2, 3, false, false},    {skin, 3, 2, true, false},
        {other, 3, 2, false, false}, {nullptr, 3, 2, false, false},
    };
    for (const auto& c : cases) {
        const auto* found = cache.Find(c.image, c.width, c.height, c.highQuality);
        EXPECT_EQ(found != nullptr, c.found) << c.width << "x" << c.height << " " << c.highQuality;
        if (found != nullptr)
            EXPECT_EQ(*found, std::vector<std::uint32_t>(kPixels, kPixels + 6));
    }
}

TEST(SkinPixelCacheTest, TwoSkinsShownInTurnBothStayAndAFreedImageNeverMatches) {
    SkinPixelCache cache(2);
    auto main = std::make_shared<int>(0);
    const auto wait = std::make_shared<int>(0);
    const auto prompt = std::make_shared<int>(0);
    cache.Keep(main, 3, 2, false, kPixels);
    cache.Keep(wait, 3, 2, true, kPixels);
    ASSERT_NE(cache.Find(main, 3, 2, false), nullptr); // now the most recent
    cache.Keep(prompt, 3, 2, false, kPixels);          // the please-wait skin goes
    EXPECT_EQ(cache.Find(wait, 3, 2, true), nullptr);
    EXPECT_NE(cache.Find(main, 3, 2, false), nullptr);
    EXPECT_NE(cache.Find(prompt, 3, 2, false), nullptr);

    main.reset();
    const auto reborn = std::make_shared<int>(0); // may take the freed address
    EXPECT_EQ(cache.Find(reborn, 3, 2, false), nullptr);
    EXPECT_EQ(cache.Size(), 1u);
}

} // namespace
} // namespace halvane
