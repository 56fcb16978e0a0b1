#include "feedback/FeedbackDll.h"

#include <new>
#include <string>

#include "framework/LongPath.h"
#include "framework/ModulePath.h"

namespace halvane {

namespace {

constexpr wchar_t kLibraryName[] = L"\\ArkwenFeedbackInformation.dll";

// Looks name up and stores it in slot; false when the library lacks it.
template <typename Fn> bool Resolve(HMODULE module, const char* name, Fn& slot) noexcept {
    const FARPROC proc = ::GetProcAddress(module, name);
    // Through void(*)(): the one function pointer type GCC lets stand for any other.
    slot = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
    return proc != nullptr;
}

// <exe folder>\ArkwenFeedbackInformation.dll from the whole path of the executable, however
// long (a cut one would name some other folder); empty when it cannot be read whole.
std::wstring LibraryPath() noexcept {
    try {
        const std::wstring folder = fw::ModuleFolder();
        return folder.empty() ? std::wstring() : fw::LongPathForm(folder + kLibraryName, MAX_PATH);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace

CFeedbackDll::~CFeedbackDll() {
    Free();
}

bool CFeedbackDll::Load() noexcept {
    Free();

    const std::wstring path = LibraryPath();
    if (path.empty())
        return false;
    m_hModule = ::LoadLibraryW(path.c_str());
    if (m_hModule == nullptr)
        return false;

    // In the order of the entry-point table in docs/FEEDBACK.md; && stops at the first name that
    // does not resolve.
    return Resolve(m_hModule, "InitFreedbackDll", m_pfnInitFreedbackDll) &&
           Resolve(m_hModule, "FeedbackQuestion", m_pfnFeedbackQuestion) &&
           Resolve(m_hModule, "OpenUrl", m_pfnOpenUrl) &&
           Resolve(m_hModule, "GetInterNetState", m_pfnGetInterNetState) &&
           Resolve(m_hModule, "CustomerFeedback", m_pfnCustomerFeedback) &&
           Resolve(m_hModule, "CustomerFeedbackEx", m_pfnCustomerFeedbackEx) &&
           Resolve(m_hModule, "WriteCustomerFeedbackInfoFile",
                   m_pfnWriteCustomerFeedbackInfoFile) &&
           Resolve(m_hModule, "GetToolIsNewVersion", m_pfnGetToolIsNewVersion) &&
           Resolve(m_hModule, "OpenToolDownUrl", m_pfnOpenToolDownUrl);
}

void CFeedbackDll::Free() noexcept {
    // Slots first: nothing may call into the library once it may be gone.
    ClearEntryPoints();
    if (m_hModule != nullptr) {
        ::FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
}

void CFeedbackDll::ClearEntryPoints() noexcept {
    m_pfnInitFreedbackDll = nullptr;
    m_pfnFeedbackQuestion = nullptr;
    m_pfnOpenUrl = nullptr;
    m_pfnGetInterNetState = nullptr;
    m_pfnCustomerFeedback = nullptr;
    m_pfnCustomerFeedbackEx = nullptr;
    m_pfnWriteCustomerFeedbackInfoFile = nullptr;
    m_pfnGetToolIsNewVersion = nullptr;
    m_pfnOpenToolDownUrl = nullptr;
}

bool CFeedbackDll::HasEntryPoint(EntryPoint which) const noexcept {
    switch (which) {
    case EP_InitFreedbackDll:
        return m_pfnInitFreedbackDll != nullptr;
    case EP_FeedbackQuestion:
        return m_pfnFeedbackQuestion != nullptr;
    case EP_OpenUrl:
        return m_pfnOpenUrl != nullptr;
    case EP_GetInterNetState:
        return m_pfnGetInterNetState != nullptr;
    case EP_CustomerFeedback:
        return m_pfnCustomerFeedback != nullptr;
    case EP_CustomerFeedbackEx:
        return m_pfnCustomerFeedbackEx != nullptr;
    case EP_WriteCustomerFeedbackInfoFile:
        return m_pfnWriteCustomerFeedbackInfoFile != nullptr;
    case EP_GetToolIsNewVersion:
        return m_pfnGetToolIsNewVersion != nullptr;
    case EP_OpenToolDownUrl:
        return m_pfnOpenToolDownUrl != nullptr;
    case EP_Count:
        break;
    }
    return false;
}

int CFeedbackDll::InitFreedbackDll() noexcept {
    return m_pfnInitFreedbackDll != nullptr ? m_pfnInitFreedbackDll() : 0;
}

int CFeedbackDll::GetToolIsNewVersion(LPCWSTR toolId, LPCWSTR version) noexcept {
    return m_pfnGetToolIsNewVersion != nullptr ? m_pfnGetToolIsNewVersion(toolId, version) : 0;
}

int CFeedbackDll::OpenToolDownUrl() noexcept {
    return m_pfnOpenToolDownUrl != nullptr ? m_pfnOpenToolDownUrl() : 0;
}

int CFeedbackDll::FeedbackQuestion(LPCWSTR toolId, LPCWSTR version) noexcept {
    return m_pfnFeedbackQuestion != nullptr ? m_pfnFeedbackQuestion(toolId, version) : 0;
}

int CFeedbackDll::OpenUrl(LPCWSTR url) noexcept {
    return m_pfnOpenUrl != nullptr ? m_pfnOpenUrl(url) : 0;
}

int CFeedbackDll::CustomerFeedbackEx(LPCWSTR toolId, LPCWSTR version, int answer,
                                     LPCWSTR time) noexcept {
    return m_pfnCustomerFeedbackEx != nullptr
               ? m_pfnCustomerFeedbackEx(toolId, version, answer, time)
               : 0;
}

} // namespace halvane
