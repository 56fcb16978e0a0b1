#pragma once

#include <string>
#include <string_view>
#include <vector>

// Whole-file reads and writes for checking a log's bytes on disk.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool PathExists(const std::wstring& path);

// True for "[dddd-dd-dd dd:dd:dd dddms]   ", the 30-byte stamp.
bool IsStamp(std::string_view bytes);

// Splits a log into entries ("stamp text CR CR LF" each) and returns their texts. Any piece that
// is not a well-formed entry is returned as "<bad entry>" so a comparison shows it.
std::vector<std::string> EntryTexts(std::string_view log);

// GBK bytes of 设置节能模式失败 and of the log file name 霁衡.txt.
inline const std::string kGbkSaverFailed =
    "\xC9\xE8\xD6\xC3\xBD\xDA\xC4\xDC\xC4\xA3\xCA\xBD\xCA\xA7\xB0\xDC";
inline const std::string kGbkLogName = "\xF6\xAB\xBA\xE2.txt";
inline const std::wstring kLogName = L"霁衡.txt";
