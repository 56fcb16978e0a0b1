#include "log/LogSaveCloseFile.h"

#include <windows.h>

#include <mutex>
#include <utility>

#include "log/Cp936.h"
#include "framework/SafeFolder.h"
#include "log/HexText.h"
#include "log/LogEntry.h"
#include "log/LogRotation.h"
#include "log/PacketLog.h"

namespace halvane {

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
        using fw::SafeFolder;
        const std::string text = packet->GetText();
        const std::wstring name = FromCp936(packet->GetFileName());

        std::lock_guard<CriticalSection> guard(m_lock);
        // The folder and the file are checked through the handles that are then used: an entry
        // never follows a link (junction, symbolic link, hard link) planted there.
        const SafeFolder folder = SafeFolder::Open(m_logFolder);
        // Append-only access makes every WriteFile land at the end, even when another process
        // appends to the same file.
        SafeFolder::File file =
            folder.OpenFile(name, FILE_APPEND_DATA, SafeFolder::Opening::ExistingOrNew);
        if (!file.handle) {
            return;
        }
        // The stamp is taken inside the lock so the file's entries stay in time order.
        const std::string entry = BuildLogEntry(LocalNow(), text);
        if (entry.size() > MAXDWORD) {
            return;
        }
        DWORD written = 0;
        WriteFile(file.handle.Get(), entry.data(), static_cast<DWORD>(entry.size()), &written,
                  nullptr);

        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.handle.Get(), &size) ||
            !ShouldRotateLog(static_cast<unsigned long long>(size.QuadPart))) {
            return;
        }
        file.handle.Reset();
        // A failed or refused move (a link at either name) leaves the file where it is; the
        // next entry tries again.
        folder.Rename(name, name + L"bak");
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

} // namespace halvane
