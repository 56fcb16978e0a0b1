// One fetch run once on a thread of its own, so that a caller on a user-interface thread waits
// for its result only as long as it chooses.
#pragma once

#include "feedbacklib/HttpGet.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace feedbacklib {

struct FetchShared; // the result, owned jointly by the fetch and its worker

class CBackgroundFetch {
public:
    using Job = std::function<HttpResponse()>;

    CBackgroundFetch() = default;
    CBackgroundFetch(const CBackgroundFetch&) = delete;
    CBackgroundFetch& operator=(const CBackgroundFetch&) = delete;
    // Never waits for the worker: it owns a share of the result and a reference to this
    // module, so it can finish (and unload the module) after this object and the caller's
    // FreeLibrary.
    ~CBackgroundFetch() = default;

    // The first successful call starts job on a worker; later calls keep that one. False when
    // no worker could be started (job did not run; a later call tries again).
    bool Start(Job job);
    bool Started();
    // The job's result when it has ended, waiting at most waitMs; nullopt while it still runs
    // or when it was never started. A job that throws gives an empty response.
    std::optional<HttpResponse> Result(unsigned long waitMs);

private:
    std::mutex m_lock; // guards m_shared
    std::shared_ptr<FetchShared> m_shared;
};

} // namespace feedbacklib
