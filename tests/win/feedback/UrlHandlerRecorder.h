// Registers urlrecorder.exe (in the test prefix's system32) as the http and https handler
// (machine-wide: Wine reads no per-user classes) for the lifetime of the object, and reads
// back which addresses it was started with. Each object has a log file and a wake-up semaphore
// of its own, so a recorder started for an earlier object never counts here.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_win {

class UrlHandlerRecorder {
public:
    // The log file is created in `folder` under a name no other object uses.
    explicit UrlHandlerRecorder(const std::wstring& folder);
    UrlHandlerRecorder(const UrlHandlerRecorder&) = delete;
    UrlHandlerRecorder& operator=(const UrlHandlerRecorder&) = delete;
    ~UrlHandlerRecorder();

    bool Ready() const { return m_ready; }
    // Waits until the log holds `count` more whole lines than the previous wait asked for (or
    // timeoutMs passed), then returns every line recorded so far.
    std::vector<std::string> WaitForOpened(int count, unsigned long timeoutMs = 60000);
    // True when no handler run finishes within quietMs and nothing was recorded.
    bool StaysQuiet(unsigned long quietMs);
    // What is recorded now, read while no recorder is appending.
    std::vector<std::string> Opened() const;

private:
    std::wstring m_logPath;
    std::wstring m_previous[2]; // http and https commands before the recorder took over
    HANDLE m_wake = nullptr;
    HANDLE m_appendMutex = nullptr;
    std::size_t m_awaited = 0;
    bool m_ready = false;
};

} // namespace testing_win
