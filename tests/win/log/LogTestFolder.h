#pragma once

#include <string>

// A fresh, empty stand-in for the common application data folder, removed again at the end of
// the test: C:\ProgramData\HalvaneLogTests\<name>. The saver makes ToolLog inside it.
class LogTestFolder {
public:
    explicit LogTestFolder(const std::wstring& name);
    ~LogTestFolder();
    LogTestFolder(const LogTestFolder&) = delete;
    LogTestFolder& operator=(const LogTestFolder&) = delete;

    const std::wstring& AppData() const { return m_appData; }
    // AppData()\ToolLog\ with the trailing backslash.
    std::wstring LogFolder() const { return m_appData + L"\\ToolLog\\"; }

private:
    std::wstring m_appData;
};
