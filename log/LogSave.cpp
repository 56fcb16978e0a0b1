#include "log/LogSave.h"

#include <windows.h>
#include <shlobj.h>

#include <utility>

#include "framework/SafeFolder.h"
#include "log/LogConfig.h"
#include "log/LogFolder.h"
#include "log/LogSaveCloseFile.h"

namespace halvane {

namespace {

// Empty when the folder cannot be obtained; the log then lives in the current directory.
std::wstring GetCommonAppDataPath() noexcept {
    wchar_t path[1024] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_APPDATA, FALSE)) {
        return std::wstring();
    }
    try {
        return path;
    } catch (...) {
        return std::wstring();
    }
}

bool ReadPrintFlag(const std::wstring& logFolder) {
    // A folder or logCfg.ini that is a link is not read. The file is read by its path after the
    // check: a link swapped in just then could only choose the print flag, which a user who made
    // the folder can choose anyway by writing the file.
    const auto folder = fw::SafeFolder::Open(logFolder);
    const auto config =
        folder.OpenFile(kLogConfigFile, FILE_READ_ATTRIBUTES, fw::SafeFolder::Opening::Existing);
    if (!config.handle) {
        return false;
    }
    wchar_t value[100] = {};
    const std::wstring iniPath = logFolder + kLogConfigFile;
    GetPrivateProfileStringW(kLogConfigSection, kLogConfigKey, kLogConfigDefault, value, 100,
                             iniPath.c_str());
    return PrintFlagFromValue(value);
}

} // namespace

CLogSave& CLogSave::GetInstance() noexcept {
    // A function-local static is initialised exactly once even when threads race to it.
    static CLogSave instance(GetCommonAppDataPath());
    return instance;
}

CLogSave::CLogSave(const std::wstring& commonAppData) noexcept {
    try {
        m_logFolder = LogFolderPath(commonAppData);
        // Only the last level is made, writable by administrators alone; "already exists" is
        // the usual, harmless failure. A folder found in place is used as it is: every write
        // checks it and the file, so links planted in it are never followed.
        const std::wstring directory = m_logFolder.substr(0, m_logFolder.size() - 1);
        fw::CreateGuardedFolder(directory);
        m_print = ReadPrintFlag(m_logFolder);
        m_sink = std::make_unique<CLogSaveCloseFile>(m_logFolder);
    } catch (...) {
        // Out of memory: without a sink every Write does nothing.
        m_sink.reset();
    }
}

CLogSave::~CLogSave() = default;

void CLogSave::Write(std::string text, std::string fileName, bool force) noexcept {
    if ((force || m_print) && m_sink) {
        m_sink->WriteText(std::move(text), std::move(fileName));
    }
}

} // namespace halvane
