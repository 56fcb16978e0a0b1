// A stand-in ArkwenFeedbackInformation.dll for the dialogs' Wine tests: each call is written down
// with its arguments, one line each, for the test to read back through RecordedCalls.
#include <windows.h>

#include <cwchar>
#include <initializer_list>
#include <string>

#define RECORDING_EXPORT extern "C" __declspec(dllexport)

namespace {

std::wstring g_calls;

int Record(const wchar_t* name, std::initializer_list<const wchar_t*> args) noexcept {
    try {
        g_calls += name;
        for (const wchar_t* arg : args)
            (g_calls += L' ') += arg != nullptr ? arg : L"(null)";
        g_calls += L'\n';
    } catch (...) {
        return 0;
    }
    return 1;
}

struct Number {
    explicit Number(int value) noexcept { std::swprintf(text, 16, L"%d", value); }
    wchar_t text[16];
};

} // namespace

RECORDING_EXPORT const wchar_t* WINAPI RecordedCalls() {
    return g_calls.c_str();
}

// clang-format off
RECORDING_EXPORT int WINAPI InitFreedbackDll() { return Record(L"InitFreedbackDll", {}); }
RECORDING_EXPORT int WINAPI FeedbackQuestion(LPCWSTR tool, LPCWSTR version) {
    return Record(L"FeedbackQuestion", {tool, version});
}
RECORDING_EXPORT int WINAPI OpenUrl(LPCWSTR url) { return Record(L"OpenUrl", {url}); }
RECORDING_EXPORT int WINAPI GetInterNetState() { return Record(L"GetInterNetState", {}); }
RECORDING_EXPORT int WINAPI CustomerFeedback(LPCWSTR tool, LPCWSTR version, int answer) {
    return Record(L"CustomerFeedback", {tool, version, Number(answer).text});
}
RECORDING_EXPORT int WINAPI CustomerFeedbackEx(LPCWSTR tool, LPCWSTR version, int answer, LPCWSTR time) {
    return Record(L"CustomerFeedbackEx", {tool, version, Number(answer).text, time});
}
RECORDING_EXPORT int WINAPI WriteCustomerFeedbackInfoFile() { return Record(L"WriteCustomerFeedbackInfoFile", {}); }
RECORDING_EXPORT int WINAPI GetToolIsNewVersion(LPCWSTR tool, LPCWSTR version) {
    return Record(L"GetToolIsNewVersion", {tool, version});
}
RECORDING_EXPORT int WINAPI OpenToolDownUrl() { return Record(L"OpenToolDownUrl", {}); }
// clang-format on
