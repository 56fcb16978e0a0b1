#pragma once

#include <string>
#include <utility>

namespace halvane {

class CPacketLog;

// A sink that appends entries to files in one log folder. The slot order of the virtual
// functions is fixed: destructor, WritePacket, WriteHex, WriteText.
// Sinks never throw: logging has no way to report a failure.
class CLogBase {
public:
    explicit CLogBase(std::wstring logFolder) : m_logFolder(std::move(logFolder)) {}
    CLogBase(const CLogBase&) = delete;
    CLogBase& operator=(const CLogBase&) = delete;
    virtual ~CLogBase() = default;

    virtual void WritePacket(CPacketLog* packet) noexcept = 0;
    virtual void WriteHex(const unsigned char* bytes, int count, std::string fileName) noexcept = 0;
    virtual void WriteText(std::string text, std::string fileName) noexcept = 0;

protected:
    // Full folder path with a trailing backslash.
    std::wstring m_logFolder;
};

} // namespace halvane
