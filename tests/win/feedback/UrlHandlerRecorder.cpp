#include "win/feedback/UrlHandlerRecorder.h"

#include "win/feedback/CaseFolder.h"

namespace testing_win {

namespace {

// Wine 8's ShellExecute ignores HKCU\Software\Classes: the handler must go into
// HKLM\Software\Classes (HKCR), where winebrowser sits; the old command is put back after.
constexpr const wchar_t* kCommandKeys[] = {L"Software\\Classes\\http\\shell\\open\\command",
                                           L"Software\\Classes\\https\\shell\\open\\command"};
constexpr wchar_t kRecorder[] = L"\"C:\\windows\\system32\\urlrecorder.exe\" \"%1\"";

std::wstring ReadCommand(const wchar_t* key) {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key, nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes) !=
        ERROR_SUCCESS)
        return {};
    return value;
}

bool WriteCommand(const wchar_t* key, const std::wstring& command) {
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, nullptr, REG_SZ, command.c_str(), bytes) ==
           ERROR_SUCCESS;
}

} // namespace

UrlHandlerRecorder::UrlHandlerRecorder(const std::wstring& logPath) : m_logPath(logPath) {
    ::DeleteFileW(m_logPath.c_str());
    m_done = ::CreateSemaphoreW(nullptr, 0, 1000, L"Local\\HalvaneUrlRecorder");
    m_ready = m_done != nullptr &&
              ::SetEnvironmentVariableW(L"HALVANE_URLRECORDER_LOG", m_logPath.c_str());
    for (std::size_t i = 0; i < 2; ++i) {
        m_previous[i] = ReadCommand(kCommandKeys[i]);
        m_ready = WriteCommand(kCommandKeys[i], kRecorder) && m_ready;
    }
}

UrlHandlerRecorder::~UrlHandlerRecorder() {
    for (std::size_t i = 0; i < 2; ++i) {
        if (!m_previous[i].empty())
            WriteCommand(kCommandKeys[i], m_previous[i]);
    }
    ::SetEnvironmentVariableW(L"HALVANE_URLRECORDER_LOG", nullptr);
    if (m_done != nullptr)
        ::CloseHandle(m_done);
}

std::vector<std::string> UrlHandlerRecorder::WaitForOpened(int count, unsigned long timeoutMs) {
    for (int i = 0; i < count; ++i) {
        if (::WaitForSingleObject(m_done, timeoutMs) != WAIT_OBJECT_0)
            break;
    }
    return Lines(ReadWholeFile(m_logPath));
}

bool UrlHandlerRecorder::StaysQuiet(unsigned long quietMs) {
    return ::WaitForSingleObject(m_done, quietMs) == WAIT_TIMEOUT;
}

} // namespace testing_win
