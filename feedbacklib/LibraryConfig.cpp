#include "feedbacklib/LibraryConfig.h"

#include "feedbacklib/DefaultAddresses.h"
#include "feedbacklib/WideText.h"

#include <windows.h>
#include <shlobj.h>

namespace feedbacklib {

namespace {

constexpr wchar_t kConfigName[] = L"\\ArkwenFeedbackInformation.ini";
constexpr wchar_t kDataFolderName[] = L"\\ArkwenFeedback";

// The folder holding this DLL (not the executable: the two may lie apart in tests).
std::wstring ThisModuleFolder() {
    HMODULE self = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCWSTR>(&ThisModuleFolder), &self))
        return {};
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring ReadValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t buffer[4096] = {};
    ::GetPrivateProfileStringW(section, key, L"", buffer, 4096, file.c_str());
    return buffer;
}

void Override(std::string& value, const std::wstring& file, const wchar_t* key) {
    const std::wstring text = ReadValue(file, L"Urls", key);
    if (!text.empty())
        value = ToUtf8(text.c_str());
}

std::wstring CommonDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(
            ::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return std::wstring(path) + kDataFolderName;
}

} // namespace

bool CLibraryConfig::Read() {
    m_update = kDefaultUpdateAddress;
    m_download = kDefaultDownloadAddress;
    m_feedback = kDefaultFeedbackAddress;
    m_knowledgeBase = kDefaultKnowledgeBaseRoot;
    m_moduleFolder = ThisModuleFolder();
    if (m_moduleFolder.empty()) {
        m_dataFolder = CommonDataFolder();
        return false;
    }
    const std::wstring file = m_moduleFolder + kConfigName;
    Override(m_update, file, L"Update");
    Override(m_download, file, L"Download");
    Override(m_feedback, file, L"Feedback");
    Override(m_knowledgeBase, file, L"KnowledgeBase");
    m_dataFolder = ReadValue(file, L"Data", L"Folder");
    if (m_dataFolder.empty())
        m_dataFolder = CommonDataFolder();
    return true;
}

} // namespace feedbacklib
