// The skin PNGs decoded once per process. Every pair and button takes its images from here, so
// the dialogs made anew on each mode change (the please-wait dialog, the outcome prompt) reuse
// what the first one decoded. A worker can decode a list ahead of need while the first windows
// are being made. The images live until the cache ends, which must come before GDI+ shuts down;
// without a cache every request decodes a fresh image for its caller alone.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

#include "framework/KernelHandles.h"

namespace halvane {

using SharedImage = std::shared_ptr<Gdiplus::Image>;

class CPngCache {
public:
    // Becomes the process's cache (one at a time; a second one stays unused).
    CPngCache() noexcept;
    // Stops the worker after the image it is decoding, then lets go of every image.
    ~CPngCache();
    CPngCache(const CPngCache&) = delete;
    CPngCache& operator=(const CPngCache&) = delete;

    // Starts one worker that decodes these resources in order. Ids asked for meanwhile are
    // decoded by the asker (or awaited, if the worker is on them), so nobody waits for a list.
    void Prefetch(const WORD* ids, std::size_t count) noexcept;

    // The image of PNG resource `id`: shared from the process's cache, or fresh when there is
    // none. Null when the resource is missing; bytes GDI+ cannot decode still give an image.
    static SharedImage Get(WORD id) noexcept;

    // How many images the cache holds (tests).
    std::size_t Size() const;

private:
    SharedImage Find(WORD id) noexcept;
    static DWORD WINAPI WorkerProc(LPVOID self) noexcept;
    void Work() noexcept;

    mutable std::mutex m_lock;
    std::condition_variable m_decoded;
    std::map<WORD, SharedImage> m_images;
    std::deque<WORD> m_queue;
    WORD m_working = 0; // the id the worker is decoding, 0 when none
    bool m_stopping = false;
    fw::KernelHandle m_worker;
    bool m_installed = false;
};

} // namespace halvane
