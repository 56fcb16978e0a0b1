#include "win/feedback/UrlHandlerRecorder.h"

#include "tools/urlrecorder/UrlRecorderNames.h"
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

UrlHandlerRecorder::UrlHandlerRecorder(const std::wstring& folder) {
    static unsigned s_serial = 0;
    const std::wstring unique =
        std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++s_serial);
    m_logPath = folder + L"\\opened-" + unique + L".txt";
    ::DeleteFileW(m_logPath.c_str());
    const std::wstring wakeName = L"Local\\HalvaneUrlRecorder.Wake-" + unique;
    m_wake = ::CreateSemaphoreW(nullptr, 0, 1000, wakeName.c_str());
    m_appendMutex = ::CreateMutexW(nullptr, FALSE, urlrecorder::kAppendMutex);
    m_ready = m_wake != nullptr && m_appendMutex != nullptr &&
              ::SetEnvironmentVariableW(urlrecorder::kLogVariable, m_logPath.c_str()) &&
              ::SetEnvironmentVariableW(urlrecorder::kSignalVariable, wakeName.c_str());
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
    ::SetEnvironmentVariableW(urlrecorder::kLogVariable, nullptr);
    ::SetEnvironmentVariableW(urlrecorder::kSignalVariable, nullptr);
    if (m_wake != nullptr)
        ::CloseHandle(m_wake);
    if (m_appendMutex != nullptr)
        ::CloseHandle(m_appendMutex);
}

std::vector<std::string> UrlHandlerRecorder::Opened() const {
    const DWORD r = ::WaitForSingleObject(m_appendMutex, urlrecorder::kAppendWaitMs);
    const bool owned = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
    std::vector<std::string> lines = Lines(ReadWholeFile(m_logPath));
    if (owned)
        ::ReleaseMutex(m_appendMutex);
    return lines;
}

std::vector<std::string> UrlHandlerRecorder::WaitForOpened(int count, unsigned long timeoutMs) {
    m_awaited += static_cast<std::size_t>(count);
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    // The file is the truth; the semaphore only wakes the wait when a recorder is done.
    for (;;) {
        std::vector<std::string> lines = Opened();
        const ULONGLONG now = ::GetTickCount64();
        if (lines.size() >= m_awaited || now >= deadline)
            return lines;
        ::WaitForSingleObject(m_wake, static_cast<DWORD>(deadline - now));
    }
}

bool UrlHandlerRecorder::StaysQuiet(unsigned long quietMs) {
    return ::WaitForSingleObject(m_wake, quietMs) == WAIT_TIMEOUT && Opened().empty();
}

} // namespace testing_win
