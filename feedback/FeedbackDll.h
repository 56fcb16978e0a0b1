// Loads ArkwenFeedbackInformation.dll from the executable's folder and calls its entry points.
#pragma once

#include <windows.h>

#include <cstddef>

#include "feedback/FeedbackEntryPoints.h"

namespace halvane {

class CFeedbackDll {
public:
    // Slots in lookup order; a failed Load leaves every slot from the missing one on null.
    enum EntryPoint : std::size_t {
        EP_InitFreedbackDll,
        EP_FeedbackQuestion,
        EP_OpenUrl,
        EP_GetInterNetState,
        EP_CustomerFeedback,
        EP_CustomerFeedbackEx,
        EP_WriteCustomerFeedbackInfoFile,
        EP_GetToolIsNewVersion,
        EP_OpenToolDownUrl,
        EP_Count
    };

    CFeedbackDll() = default;
    CFeedbackDll(const CFeedbackDll&) = delete;
    CFeedbackDll& operator=(const CFeedbackDll&) = delete;
    ~CFeedbackDll(); // unloads like Free

    // <exe folder>\ArkwenFeedbackInformation.dll, then the nine names in slot order. True only
    // when all resolve. A library that loads but lacks a name stays loaded (Free unloads it).
    // A second Load first frees whatever the first one loaded.
    bool Load() noexcept;
    void Free() noexcept;

    // Thin callers: the library's result unchanged. A slot that is still null is never
    // called; the caller then returns 0, which means "not ready" for InitFreedbackDll (start-up
    // stops) and "no newer version" for GetToolIsNewVersion, and is ignored elsewhere.
    int InitFreedbackDll() noexcept;
    int GetToolIsNewVersion(LPCWSTR toolId, LPCWSTR version) noexcept;
    int OpenToolDownUrl() noexcept;
    int FeedbackQuestion(LPCWSTR toolId, LPCWSTR version) noexcept;
    int OpenUrl(LPCWSTR url) noexcept;
    int CustomerFeedbackEx(LPCWSTR toolId, LPCWSTR version, int answer, LPCWSTR time) noexcept;

    HMODULE GetModule() const noexcept { return m_hModule; }
    bool HasEntryPoint(EntryPoint which) const noexcept;

private:
    void ClearEntryPoints() noexcept;

    HMODULE m_hModule = nullptr;
    feedback::InitFreedbackDllFn m_pfnInitFreedbackDll = nullptr;
    feedback::FeedbackQuestionFn m_pfnFeedbackQuestion = nullptr;
    feedback::OpenUrlFn m_pfnOpenUrl = nullptr;
    feedback::GetInterNetStateFn m_pfnGetInterNetState = nullptr;
    feedback::CustomerFeedbackFn m_pfnCustomerFeedback = nullptr;
    feedback::CustomerFeedbackExFn m_pfnCustomerFeedbackEx = nullptr;
    feedback::WriteCustomerFeedbackInfoFileFn m_pfnWriteCustomerFeedbackInfoFile = nullptr;
    feedback::GetToolIsNewVersionFn m_pfnGetToolIsNewVersion = nullptr;
    feedback::OpenToolDownUrlFn m_pfnOpenToolDownUrl = nullptr;
};

} // namespace halvane
