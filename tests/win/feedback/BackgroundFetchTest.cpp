// The library's background fetch with jobs the test holds at will: a bounded wait never takes
// a result that is not there, and a result once there stays.
#include "feedbacklib/BackgroundFetch.h"

#include "framework/KernelHandles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

using feedbacklib::CBackgroundFetch;
using feedbacklib::HttpResponse;
using halvane::fw::KernelHandle;

constexpr DWORD kGenerousMs = 20000;

KernelHandle NewEvent() {
    return KernelHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

// Signals entered, waits for release, then answers "manifest".
struct HeldJob {
    HANDLE entered;
    HANDLE release;

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

TEST(BackgroundFetch, WaitsOnlyAsLongAsAskedAndKeepsTheFirstResult) {
    const KernelHandle entered = NewEvent(), release = NewEvent();
    ASSERT_TRUE(entered && release);
    CBackgroundFetch fetch;
    EXPECT_FALSE(fetch.Started());
    EXPECT_FALSE(fetch.Result(0).has_value()); // nothing started: nothing to wait for

    ASSERT_TRUE(fetch.Start(HeldJob{entered.Get(), release.Get()}));
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

} // namespace
