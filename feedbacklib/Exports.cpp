// The nine exports (names fixed by ArkwenFeedbackInformation.def). Nothing may leave them by
// exception: a failure of any kind is the result 0 (docs/FEEDBACK.md).
#include "feedback/FeedbackEntryPoints.h"
#include "feedbacklib/FeedbackLibrary.h"
#include "feedbacklib/WideText.h"

#include <windows.h>

#include <ctime>
#include <string>
#include <type_traits>

using feedbacklib::CFeedbackLibrary;
using feedbacklib::ToUtf8;

namespace {

template <typename Body> int Guarded(Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return 0;
    }
}

} // namespace

extern "C" {

int WINAPI InitFreedbackDll() noexcept {
    return Guarded([] { return CFeedbackLibrary::Instance().Init(); });
}

int WINAPI FeedbackQuestion(LPCWSTR toolId, LPCWSTR version) noexcept {
    return Guarded([&] {
        return CFeedbackLibrary::Instance().OpenFeedbackPage(ToUtf8(toolId), ToUtf8(version));
    });
}

int WINAPI OpenUrl(LPCWSTR url) noexcept {
    return Guarded([&] { return CFeedbackLibrary::Instance().OpenAddress(ToUtf8(url)); });
}

int WINAPI GetInterNetState() noexcept {
    return Guarded([] { return CFeedbackLibrary::Instance().CheckUpdateAddressReachable(); });
}

// As CustomerFeedbackEx, stamped with the current time.
int WINAPI CustomerFeedback(LPCWSTR toolId, LPCWSTR version, int answer) noexcept {
    return Guarded([&] {
        const std::string now = std::to_string(static_cast<long long>(std::time(nullptr)));
        return CFeedbackLibrary::Instance().AddRecord(ToUtf8(toolId), ToUtf8(version), answer, now);
    });
}

int WINAPI CustomerFeedbackEx(LPCWSTR toolId, LPCWSTR version, int answer, LPCWSTR time) noexcept {
    return Guarded([&] {
        return CFeedbackLibrary::Instance().AddRecord(ToUtf8(toolId), ToUtf8(version), answer,
                                                      ToUtf8(time));
    });
}

int WINAPI WriteCustomerFeedbackInfoFile() noexcept {
    return Guarded([] { return CFeedbackLibrary::Instance().WriteSummary(); });
}

int WINAPI GetToolIsNewVersion(LPCWSTR toolId, LPCWSTR version) noexcept {
    return Guarded([&] {
        return CFeedbackLibrary::Instance().CheckNewVersion(ToUtf8(toolId), ToUtf8(version));
    });
}

int WINAPI OpenToolDownUrl() noexcept {
    return Guarded([] { return CFeedbackLibrary::Instance().OpenDownloadPage(); });
}

} // extern "C"

// The exports must keep exactly the types (arguments, result, __stdcall) the loader calls.
static_assert(std::is_convertible_v<decltype(&InitFreedbackDll), feedback::InitFreedbackDllFn>);
static_assert(std::is_convertible_v<decltype(&FeedbackQuestion), feedback::FeedbackQuestionFn>);
static_assert(std::is_convertible_v<decltype(&OpenUrl), feedback::OpenUrlFn>);
static_assert(std::is_convertible_v<decltype(&GetInterNetState), feedback::GetInterNetStateFn>);
static_assert(std::is_convertible_v<decltype(&CustomerFeedback), feedback::CustomerFeedbackFn>);
static_assert(std::is_convertible_v<decltype(&CustomerFeedbackEx), feedback::CustomerFeedbackExFn>);
static_assert(std::is_convertible_v<decltype(&WriteCustomerFeedbackInfoFile),
                                    feedback::WriteCustomerFeedbackInfoFileFn>);
static_assert(
    std::is_convertible_v<decltype(&GetToolIsNewVersion), feedback::GetToolIsNewVersionFn>);
static_assert(std::is_convertible_v<decltype(&OpenToolDownUrl), feedback::OpenToolDownUrlFn>);
