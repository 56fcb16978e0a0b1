#pragma once

#include <string>

#include "log/ObjectBase.h"

namespace halvane {

// One log entry in flight: the target file's name (relative to the log folder) and the text,
// both code page 936 bytes, without stamp or line end.
class CPacketLog : public CObjectBase {
public:
    void SetFileName(std::string fileName);
    void SetText(std::string text);
    std::string GetFileName() const;
    std::string GetText() const;

private:
    std::string m_fileName;
    std::string m_text;
};

} // namespace halvane
