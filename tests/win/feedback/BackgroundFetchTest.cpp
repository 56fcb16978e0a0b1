// The library's background fetch with jobs the test holds at will: a bounded wait never takes
// a result that is not there, a result once there stays, and the worker may outlive its owner.
#include "feedbacklib/BackgroundFetch.h"

#include "framework/KernelHandles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>

namespace {

using feedbacklib::CBackgroundFetch;
using feedbacklib::HttpResponse;
using halvane::fw::KernelHandle;

constexpr DWORD kGenerousMs = 20000;

KernelHandle NewEvent() {
    return KernelHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

// Signals entered, waits for release, then answers "manifest"; signals gone when the worker
// has let go of it.
struct HeldJob {
    HANDLE entered;
    HANDLE release;
    std::shared_ptr<void> gone; // its deleter sets the event

    HttpResponse operator()() const {
        ::SetEvent(entered);
        ::WaitForSingleObject(release, kGenerousMs);
        HttpResponse response;
        response.received = response.complete = true;
        response.status = 200;
        response.body = "manifest";
        return response;
    }
};

std::shared_ptr<void> SignalWhenReleased(HANDLE event) {
    return std::shared_ptr<void>(event, [](void* h) { ::SetEvent(static_cast<HANDLE>(h)); });
}

TEST(BackgroundFetch, WaitsOnlyAsLongAsAskedAndKeepsTheFirstResult) {
    const KernelHandle entered = NewEvent(), release = NewEvent(), gone = NewEvent();
    ASSERT_TRUE(entered && release && gone);
    CBackgroundFetch fetch;
    EXPECT_FALSE(fetch.Started());
    EXPECT_FALSE(fetch.Result(0).has_value()); // nothing started: nothing to wait for

    ASSERT_TRUE(fetch.Start(HeldJob{entered.Get(), release.Get(), SignalWhenReleased(gone.Get())}));
    EXPECT_TRUE(fetch.Started());
    ASSERT_EQ(::WaitForSingleObject(entered.Get(), kGenerousMs), WAIT_OBJECT_0);
    std::atomic<int> laterJobs{0};
    EXPECT_TRUE(fetch.Start([&laterJobs] {
        ++laterJobs;
        return HttpResponse{};
    }));
    for (const DWORD waitMs : {0ul, 50ul})
        EXPECT_FALSE(fetch.Result(waitMs).has_value()) << waitMs; // the job is held

    ::SetEvent(release.Get());
    for (const DWORD waitMs : {kGenerousMs, 0ul}) {
        const auto result = fetch.Result(waitMs);
        ASSERT_TRUE(result.has_value()) << waitMs;
        EXPECT_EQ(result->status, 200u);
        EXPECT_EQ(result->body, "manifest");
    }
    EXPECT_EQ(::WaitForSingleObject(gone.Get(), kGenerousMs), WAIT_OBJECT_0);
    EXPECT_EQ(laterJobs, 0);
}

TEST(BackgroundFetch, ThrowingJobCannotTell) {
    CBackgroundFetch fetch;
    ASSERT_TRUE(fetch.Start([]() -> HttpResponse { throw std::runtime_error("no memory"); }));
    const auto result = fetch.Result(kGenerousMs);
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->received);
    EXPECT_TRUE(result->body.empty());
}

TEST(BackgroundFetch, WorkerFinishesAfterItsOwnerIsGone) {
    const KernelHandle entered = NewEvent(), release = NewEvent(), gone = NewEvent();
    ASSERT_TRUE(entered && release && gone);
    auto fetch = std::make_unique<CBackgroundFetch>();
    ASSERT_TRUE(
        fetch->Start(HeldJob{entered.Get(), release.Get(), SignalWhenReleased(gone.Get())}));
    ASSERT_EQ(::WaitForSingleObject(entered.Get(), kGenerousMs), WAIT_OBJECT_0);
    fetch.reset(); // does not wait for the worker
    ::SetEvent(release.Get());
    EXPECT_EQ(::WaitForSingleObject(gone.Get(), kGenerousMs), WAIT_OBJECT_0);
}

} // namespace
