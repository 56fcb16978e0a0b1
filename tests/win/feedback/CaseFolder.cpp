#include "win/feedback/CaseFolder.h"

#include "framework/CodePageText.h"

#include <windows.h>

#include <sstream>

namespace testing_win {

std::wstring LongForm(const std::wstring& path) {
    return path.size() < 240 || path.compare(0, 4, L"\\\\?\\") == 0 ? path : L"\\\\?\\" + path;
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    const HANDLE find = ::FindFirstFileW(LongForm(path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileW(LongForm(child).c_str());
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(LongForm(path).c_str());
}

CaseFolder::CaseFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"halvane-feedback";
    ::CreateDirectoryW(root.c_str(), nullptr);
    m_path = root + L"\\" + name;
    RemoveTree(m_path);
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

bool CaseFolder::CopyIn(const std::wstring& source, const std::wstring& name) const {
    return ::CopyFileW(source.c_str(), File(name).c_str(), FALSE) != FALSE;
}

bool CaseFolder::WriteText(const std::wstring& name, const std::string& bytes) const {
    const HANDLE file = ::CreateFileW(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}

std::string CaseFolder::ReadText(const std::wstring& name) const {
    return ReadWholeFile(File(name));
}

bool CaseFolder::Exists(const std::wstring& name) const {
    return ::GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string text;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0)
        text.append(buffer, n);
    ::CloseHandle(file);
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Narrow(const std::wstring& text) {
    return halvane::fw::CodePageFromWide(CP_UTF8, text);
}

} // namespace testing_win
