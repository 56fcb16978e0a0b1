#include "LogTestFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool PathExists(const std::wstring& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

bool IsStamp(std::string_view bytes) {
    static constexpr std::string_view kShape = "[dddd-dd-dd dd:dd:dd dddms]   ";
    if (bytes.size() != kShape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool ok =
            kShape[i] == 'd' ? (bytes[i] >= '0' && bytes[i] <= '9') : bytes[i] == kShape[i];
        if (!ok) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> EntryTexts(std::string_view log) {
    static constexpr std::string_view kEnd = "\r\r\n";
    std::vector<std::string> texts;
    while (!log.empty()) {
        const std::size_t end = log.find(kEnd);
        const std::string_view entry = log.substr(0, end);
        if (end == std::string_view::npos || entry.size() < 30 || !IsStamp(entry.substr(0, 30))) {
            texts.emplace_back("<bad entry>");
        } else {
            texts.emplace_back(entry.substr(30));
        }
        if (end == std::string_view::npos) {
            break;
        }
        log.remove_prefix(end + kEnd.size());
    }
    return texts;
}
