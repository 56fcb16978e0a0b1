// The nine entry points of ArkwenFeedbackInformation.dll, shared by the library and its loader.
// Every entry point is __stdcall (WINAPI), takes UTF-16 strings and 32-bit integers and
// returns a 32-bit integer; names are exported undecorated on x86 and x86_64.
#pragma once

#include <windows.h>

#include "feedback/VersionAnswers.h"

namespace feedback {

using InitFreedbackDllFn = int(WINAPI*)();
using FeedbackQuestionFn = int(WINAPI*)(LPCWSTR toolId, LPCWSTR version);
using OpenUrlFn = int(WINAPI*)(LPCWSTR url);
using GetInterNetStateFn = int(WINAPI*)();
using CustomerFeedbackFn = int(WINAPI*)(LPCWSTR toolId, LPCWSTR version, int answer);
using CustomerFeedbackExFn = int(WINAPI*)(LPCWSTR toolId, LPCWSTR version, int answer,
                                          LPCWSTR time);
using WriteCustomerFeedbackInfoFileFn = int(WINAPI*)();
using GetToolIsNewVersionFn = int(WINAPI*)(LPCWSTR toolId, LPCWSTR version);
using OpenToolDownUrlFn = int(WINAPI*)();

} // namespace feedback
