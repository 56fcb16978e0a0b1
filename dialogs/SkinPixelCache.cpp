#include "dialogs/SkinPixelCache.h"

namespace halvane {

namespace {
bool SameOwner(const std::weak_ptr<const void>& a, const std::shared_ptr<const void>& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}
} // namespace

const std::vector<std::uint32_t>* SkinPixelCache::Find(const std::shared_ptr<const void>& image,
                                                       int width, int height, bool highQuality) {
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it->image.expired()) {
            it = m_entries.erase(it);
            continue;
        }
        if (SameOwner(it->image, image) && it->width == width && it->height == height &&
            it->highQuality == highQuality) {
            m_entries.splice(m_entries.begin(), m_entries, it);
            return &m_entries.front().pixels;
        }
        ++it;
    }
    return nullptr;
}

void SkinPixelCache::Keep(const std::shared_ptr<const void>& image, int width, int height,
                          bool highQuality, const std::uint32_t* pixels) {
    if (!image || width <= 0 || height <= 0 || m_capacity == 0)
        return;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    m_entries.push_front(Entry{image, width, height, highQuality,
                               std::vector<std::uint32_t>(pixels, pixels + count)});
    while (m_entries.size() > m_capacity)
        m_entries.pop_back();
}

} // namespace halvane
