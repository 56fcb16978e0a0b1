// Registers urlrecorder.exe (in the test prefix's system32) as the http and https handler
// (machine-wide: Wine reads no per-user classes) for the lifetime of the object, and reads
// back which addresses it was started with.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_win {

class UrlHandlerRecorder {
public:
    explicit UrlHandlerRecorder(const std::wstring& logPath);
    UrlHandlerRecorder(const UrlHandlerRecorder&) = delete;
    UrlHandlerRecorder& operator=(const UrlHandlerRecorder&) = delete;
    ~UrlHandlerRecorder();

    bool Ready() const { return m_ready; }
    // Waits until `count` more handler runs have finished (each at most timeoutMs), then returns
    // every line recorded so far.
    std::vector<std::string> WaitForOpened(int count, unsigned long timeoutMs = 15000);
    // True when no handler run finishes within quietMs.
    bool StaysQuiet(unsigned long quietMs);

private:
    std::wstring m_logPath;
    std::wstring m_previous[2]; // http and https commands before the recorder took over
    HANDLE m_done = nullptr;
    bool m_ready = false;
};

} // namespace testing_win
