#include "controls/PngCache.h"

#include <atomic>

#include "controls/PngResource.h"

namespace halvane {

namespace {
std::atomic<CPngCache*> g_cache{nullptr};

SharedImage Decode(WORD id) noexcept {
    Gdiplus::Image* image = nullptr;
    if (LoadPngFromResource(&image, id) != 1)
        return nullptr;
    try {
        return SharedImage(image);
    } catch (...) {
        delete image; // no memory for the count: the image is not kept
        return nullptr;
    }
}
} // namespace

CPngCache::CPngCache() noexcept {
    CPngCache* none = nullptr;
    m_installed = g_cache.compare_exchange_strong(none, this);
}

CPngCache::~CPngCache() {
    if (m_installed)
        g_cache.store(nullptr);
}

SharedImage CPngCache::Get(WORD id) noexcept {
    CPngCache* cache = g_cache.load();
    return cache != nullptr ? cache->Find(id) : Decode(id);
}

SharedImage CPngCache::Find(WORD id) noexcept {
    try {
        const std::lock_guard<std::mutex> guard(m_lock);
        const auto found = m_images.find(id);
        if (found != m_images.end())
            return found->second;
        SharedImage image = Decode(id);
        if (image)
            m_images.emplace(id, image);
        return image;
    } catch (...) {
        return Decode(id); // the cache itself failed: the caller still gets its image
    }
}

std::size_t CPngCache::Size() const {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_images.size();
}

} // namespace halvane
