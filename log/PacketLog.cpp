#include "log/PacketLog.h"

#include <utility>

namespace halvane {

void CPacketLog::SetFileName(std::string fileName) {
    m_fileName = std::move(fileName);
}

void CPacketLog::SetText(std::string text) {
    m_text = std::move(text);
}

std::string CPacketLog::GetFileName() const {
    return m_fileName;
}

std::string CPacketLog::GetText() const {
    return m_text;
}

} // namespace halvane
