#pragma once

#include <string>

#include "log/CriticalSection.h"
#include "log/LogBase.h"

namespace halvane {

// The sink that opens, appends to and closes its file for every entry. One lock covers the
// whole open, write, measure and rotate sequence, so entries of different threads never
// interleave and a rotation never cuts into another thread's entry.
class CLogSaveCloseFile : public CLogBase {
public:
    explicit CLogSaveCloseFile(std::wstring logFolder);

    void WritePacket(CPacketLog* packet) noexcept override;
    void WriteHex(const unsigned char* bytes, int count, std::string fileName) noexcept override;
    void WriteText(std::string text, std::string fileName) noexcept override;

private:
    CriticalSection m_lock;
};

} // namespace halvane
