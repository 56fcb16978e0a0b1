#include "log/LogSaveCloseFile.h"

#include <windows.h>

#include <mutex>
#include <utility>

#include "log/Cp936.h"
#include "framework/KernelHandles.h"
#include "log/HexText.h"
#include "log/LogEntry.h"
#include "log/LogRotation.h"
#include "log/PacketLog.h"

namespace {

LogTime LocalNow() noexcept {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LogTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                   now.wMinute, now.wSecond, now.wMilliseconds};
}

} // namespace

CLogSaveCloseFile::CLogSaveCloseFile(std::wstring logFolder) : CLogBase(std::move(logFolder)) {}

void CLogSaveCloseFile::WritePacket(CPacketLog* packet) noexcept {
    if (packet == nullptr) {
        return;
    }
    try {
        const std::string text = packet->GetText();
        const std::wstring path = m_logFolder + FromCp936(packet->GetFileName());

        std::lock_guard<CriticalSection> guard(m_lock);
        // Append-only access makes every WriteFile land at the end, even when another process
        // appends to the same file.
        halvane::fw::FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return;
        }
        // The stamp is taken inside the lock so the file's entries stay in time order.
        const std::string entry = BuildLogEntry(LocalNow(), text);
        if (entry.size() > MAXDWORD) {
            return;
        }
        DWORD written = 0;
        WriteFile(file.Get(), entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);

        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.Get(), &size) ||
            !ShouldRotateLog(static_cast<unsigned long long>(size.QuadPart))) {
            return;
        }
        file.Reset();
        // A failed move leaves the file where it is; the next entry tries again.
        MoveFileExW(path.c_str(), (path + L"bak").c_str(), MOVEFILE_REPLACE_EXISTING);
    } catch (...) {
        // Out of memory: the entry is dropped, as every other failure of the log is.
    }
}

void CLogSaveCloseFile::WriteHex(const unsigned char* bytes, int count,
                                 std::string fileName) noexcept {
    try {
        // The hex text is pure ASCII, the same bytes in every ANSI code page.
        CPacketLog packet;
        packet.SetText(FormatHexBytes(bytes, count));
        packet.SetFileName(std::move(fileName));
        WritePacket(&packet);
    } catch (...) {
    }
}

void CLogSaveCloseFile::WriteText(std::string text, std::string fileName) noexcept {
    try {
        CPacketLog packet;
        packet.SetText(std::move(text));
        packet.SetFileName(std::move(fileName));
        WritePacket(&packet);
    } catch (...) {
    }
}
