// The skin PNGs decoded once per process. Every pair and button takes its images from here, so
// the dialogs made anew on each mode change (the please-wait dialog, the outcome prompt) reuse
// what the first one decoded. The images live until the cache ends, which must come before GDI+
// shuts down; without a cache every request decodes a fresh image for its caller alone.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <map>
#include <memory>
#include <mutex>

namespace halvane {

using SharedImage = std::shared_ptr<Gdiplus::Image>;

class CPngCache {
public:
    // Becomes the process's cache (one at a time; a second one stays unused).
    CPngCache() noexcept;
    // Lets go of every image; holders keep theirs.
    ~CPngCache();
    CPngCache(const CPngCache&) = delete;
    CPngCache& operator=(const CPngCache&) = delete;

    // The image of PNG resource `id`: shared from the process's cache, or fresh when there is
    // none. Null when the resource is missing; bytes GDI+ cannot decode still give an image.
    static SharedImage Get(WORD id) noexcept;

    // How many images the cache holds.
    std::size_t Size() const;

private:
    SharedImage Find(WORD id) noexcept;

    mutable std::mutex m_lock;
    std::map<WORD, SharedImage> m_images;
    bool m_installed = false;
};

} // namespace halvane
