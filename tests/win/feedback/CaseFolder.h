// A fresh folder per test case under %TEMP%\halvane-feedback, with small file helpers.
#pragma once

#include <string>
#include <vector>

namespace testing_win {

class CaseFolder {
public:
    explicit CaseFolder(const std::wstring& name); // empties it if it exists
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

    bool CopyIn(const std::wstring& source, const std::wstring& name) const;
    bool WriteText(const std::wstring& name, const std::string& bytes) const;
    // Empty when the file does not exist.
    std::string ReadText(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;

private:
    std::wstring m_path;
};

std::string Narrow(const std::wstring& text); // UTF-8
// path itself, or its \\?\ form when it is near MAX_PATH or longer.
std::wstring LongForm(const std::wstring& path);
// Deletes the folder and everything in it, however deep.
void RemoveTree(const std::wstring& path);
// The whole file, or empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
// Lines without their CR LF / LF ends.
std::vector<std::string> Lines(const std::string& text);

} // namespace testing_win
