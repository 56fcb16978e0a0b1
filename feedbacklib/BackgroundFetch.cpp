#include "feedbacklib/BackgroundFetch.h"

#include "framework/KernelHandles.h"

#include <windows.h>

namespace feedbacklib {

using halvane::fw::KernelHandle;
using halvane::fw::ModuleHandle;

struct FetchShared {
    KernelHandle done;     // manual reset; set once response holds the result
    HttpResponse response; // written by the worker before done, read only after it
};

namespace {

struct Launch {
    std::shared_ptr<FetchShared> shared;
    CBackgroundFetch::Job job;
    HMODULE self = nullptr; // the worker's reference to this module
};

DWORD WINAPI FetchThreadProc(void* parameter) noexcept {
    HMODULE self = nullptr;
    {
        const std::unique_ptr<Launch> launch(static_cast<Launch*>(parameter));
        self = launch->self;
        try {
            launch->shared->response = launch->job();
        } catch (...) {
            // The response stays empty: the question cannot be answered.
        }
        ::SetEvent(launch->shared->done.Get());
    }
    // Everything of this module the worker held is released above; the module itself may go
    // with this reference, so the thread must not return into it.
    ::FreeLibraryAndExitThread(self, 0);
}

} // namespace

bool CBackgroundFetch::Start(Job job) {
    const std::lock_guard<std::mutex> guard(m_lock);
    if (m_shared)
        return true;
    auto shared = std::make_shared<FetchShared>();
    shared->done.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!shared->done)
        return false;
    // Taken before the thread exists, so an unload by the library's user cannot come between.
    HMODULE self = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                              reinterpret_cast<LPCWSTR>(&FetchThreadProc), &self))
        return false;
    ModuleHandle pin(self);
    auto launch = std::make_unique<Launch>();
    launch->shared = shared;
    launch->job = std::move(job);
    launch->self = self;
    const KernelHandle thread(
        ::CreateThread(nullptr, 0, &FetchThreadProc, launch.get(), 0, nullptr));
    if (!thread)
        return false;
    launch.release(); // the worker's now, with the module reference
    pin.Release();
    m_shared = std::move(shared);
    return true;
}

bool CBackgroundFetch::Started() {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_shared != nullptr;
}

std::optional<HttpResponse> CBackgroundFetch::Result(unsigned long waitMs) {
    std::shared_ptr<FetchShared> shared;
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        shared = m_shared;
    }
    if (!shared || ::WaitForSingleObject(shared->done.Get(), waitMs) != WAIT_OBJECT_0)
        return std::nullopt;
    return shared->response;
}

} // namespace feedbacklib
