#include "LogTestFolder.h"

#include <filesystem>
#include <system_error>

LogTestFolder::LogTestFolder(const std::wstring& name)
    : m_appData(L"C:\\ProgramData\\HalvaneLogTests\\" + name) {
    std::error_code ignored;
    std::filesystem::remove_all(m_appData, ignored);
    std::filesystem::create_directories(m_appData);
}

LogTestFolder::~LogTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_appData, ignored);
}
