// GDI+ for the length of a scope: GdiplusStartup at construction, GdiplusShutdown at the end.
// Every GDI+ object must be gone before the session ends.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

namespace halvane::fw {

class GdiplusSession {
public:
    // Version 1, no debug callback, background thread and external codecs not suppressed.
    GdiplusSession() noexcept;
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool IsStarted() const noexcept { return m_status == Gdiplus::Ok; }
    Gdiplus::Status Status() const noexcept { return m_status; }

private:
    ULONG_PTR m_token = 0;
    Gdiplus::Status m_status = Gdiplus::GenericError;
};

} // namespace halvane::fw
