// Fake ArkwenFeedbackInformation.dll for the loader tests. Built several times:
//   FAKE_OMIT      index (lookup order) of the export to leave out, -1 for none
//   FAKE_INIT      what InitFreedbackDll returns
//   FAKE_VERSION   what GetToolIsNewVersion returns
#include "win/feedback/FakeCodes.h"

#include <windows.h>

#define FAKE_EXPORT extern "C" __declspec(dllexport)

using fake_feedback::Code;

#if FAKE_OMIT != 0
FAKE_EXPORT int WINAPI InitFreedbackDll() {
    return FAKE_INIT;
}
#endif
#if FAKE_OMIT != 1
FAKE_EXPORT int WINAPI FeedbackQuestion(LPCWSTR tool, LPCWSTR version) {
    return Code(1, {tool, version});
}
#endif
#if FAKE_OMIT != 2
FAKE_EXPORT int WINAPI OpenUrl(LPCWSTR url) {
    return Code(2, {url});
}
#endif
#if FAKE_OMIT != 3
FAKE_EXPORT int WINAPI GetInterNetState() {
    return Code(3, {});
}
#endif
#if FAKE_OMIT != 4
FAKE_EXPORT int WINAPI CustomerFeedback(LPCWSTR tool, LPCWSTR version, int answer) {
    return Code(4, {tool, version}, answer);
}
#endif
#if FAKE_OMIT != 5
FAKE_EXPORT int WINAPI CustomerFeedbackEx(LPCWSTR tool, LPCWSTR version, int answer, LPCWSTR time) {
    return Code(5, {tool, version, time}, answer);
}
#endif
#if FAKE_OMIT != 6
FAKE_EXPORT int WINAPI WriteCustomerFeedbackInfoFile() {
    return Code(6, {});
}
#endif
#if FAKE_OMIT != 7
FAKE_EXPORT int WINAPI GetToolIsNewVersion(LPCWSTR tool, LPCWSTR version) {
    // The answer is fixed per build; the arguments must still be the tool's.
    return lstrcmpW(tool, L"10113") == 0 && lstrcmpW(version, L"1.0.21.219") == 0 ? FAKE_VERSION
                                                                                  : -1;
}
#endif
#if FAKE_OMIT != 8
FAKE_EXPORT int WINAPI OpenToolDownUrl() {
    return Code(8, {});
}
#endif
