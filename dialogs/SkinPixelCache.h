// The premultiplied pixels of the last few skins a layered window showed, so a pair made again
// with the same skin and size (the please-wait dialog and the outcome prompt of every mode change)
// hands them over instead of drawing and premultiplying anew. An entry lives only as long as its
// image: a freed image, or another at the same address, never matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

namespace halvane {

class SkinPixelCache {
public:
    explicit SkinPixelCache(std::size_t capacity) noexcept : m_capacity(capacity) {}

    // The pixels kept for this image drawn at width x height in this quality, or null. A hit
    // becomes the most recent entry; the pointer holds until the next Keep.
    const std::vector<std::uint32_t>* Find(const std::shared_ptr<const void>& image, int width,
                                           int height, bool highQuality);
    // Keeps width x height pixels, dropping the least recently used entry beyond the capacity.
    void Keep(const std::shared_ptr<const void>& image, int width, int height, bool highQuality,
              const std::uint32_t* pixels);

    std::size_t Size() const noexcept { return m_entries.size(); }

private:
    struct Entry {
        std::weak_ptr<const void> image;
        int width;
        int height;
        bool highQuality;
        std::vector<std::uint32_t> pixels;
    };

    std::size_t m_capacity;
    std::list<Entry> m_entries; // most recent first
};

} // namespace halvane
