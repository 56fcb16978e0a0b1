#pragma once

#include <memory>
#include <string>

#include "log/LogBase.h"

namespace halvane {

// The process-wide log saver: appends time-stamped entries to files in the ToolLog folder.
class CLogSave {
public:
    // The one saver of the process, made at the first call (safe when threads race to it).
    static CLogSave& GetInstance() noexcept;

    // A saver over "<commonAppData>\ToolLog\" ("ToolLog\" when commonAppData is empty): creates
    // the folder if missing (writable by administrators alone), reads the print flag from its
    // logCfg.ini unless the folder or the file is a link, and makes the sink.
    explicit CLogSave(const std::wstring& commonAppData) noexcept;
    CLogSave(const CLogSave&) = delete;
    CLogSave& operator=(const CLogSave&) = delete;
    virtual ~CLogSave();

    // Appends text (code page 936) to fileName (code page 936, relative to the log folder)
    // when force is true or logCfg.ini turned printing on. Failures are silent.
    void Write(std::string text, std::string fileName, bool force) noexcept;

    bool IsPrintEnabled() const noexcept { return m_print; }
    const std::wstring& GetLogFolder() const noexcept { return m_logFolder; }

private:
    bool m_print = false;
    std::wstring m_logFolder;
    std::unique_ptr<CLogBase> m_sink;
};

} // namespace halvane
