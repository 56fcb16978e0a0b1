#include "controls/PngCache.h"

#include <algorithm>
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
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_stopping = true;
        m_queue.clear();
    }
    if (m_worker)
        ::WaitForSingleObject(m_worker.Get(), INFINITE);
    if (m_installed)
        g_cache.store(nullptr);
}

void CPngCache::Prefetch(const WORD* ids, std::size_t count) noexcept {
    try {
        const std::lock_guard<std::mutex> guard(m_lock);
        if (m_worker || m_stopping)
            return;
        m_queue.assign(ids, ids + count);
        m_worker.Reset(::CreateThread(nullptr, 0, &CPngCache::WorkerProc, this, 0, nullptr));
        if (!m_worker)
            m_queue.clear(); // decoded on first need instead
    } catch (...) {
        m_queue.clear();
    }
}

DWORD WINAPI CPngCache::WorkerProc(LPVOID self) noexcept {
    static_cast<CPngCache*>(self)->Work();
    return 0;
}

void CPngCache::Work() noexcept {
    std::unique_lock<std::mutex> lock(m_lock);
    while (!m_stopping && !m_queue.empty()) {
        const WORD id = m_queue.front();
        m_queue.pop_front();
        if (m_images.count(id) != 0)
            continue;
        m_working = id;
        lock.unlock();
        SharedImage image = Decode(id);
        lock.lock();
        m_working = 0;
        try {
            if (image)
                m_images.emplace(id, std::move(image));
        } catch (...) {
        }
        m_decoded.notify_all();
    }
}

SharedImage CPngCache::Get(WORD id) noexcept {
    CPngCache* cache = g_cache.load();
    return cache != nullptr ? cache->Find(id) : Decode(id);
}

SharedImage CPngCache::Find(WORD id) noexcept {
    try {
        std::unique_lock<std::mutex> lock(m_lock);
        m_decoded.wait(lock, [&] { return m_working != id; });
        const auto found = m_images.find(id);
        if (found != m_images.end())
            return found->second;
        // Not reached by the worker yet: decoded here, so the worker skips it.
        m_queue.erase(std::remove(m_queue.begin(), m_queue.end(), id), m_queue.end());
        lock.unlock();
        SharedImage image = Decode(id);
        if (!image)
            return nullptr;
        lock.lock();
        return m_images.emplace(id, std::move(image)).first->second;
    } catch (...) {
        return Decode(id); // the cache itself failed: the caller still gets its image
    }
}

std::size_t CPngCache::Size() const {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_images.size();
}

} // namespace halvane
