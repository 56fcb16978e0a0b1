#include "framework/GdiplusSession.h"

namespace halvane::fw {

GdiplusSession::GdiplusSession() noexcept {
    Gdiplus::GdiplusStartupInput input;
    m_status = Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
}

GdiplusSession::~GdiplusSession() {
    if (m_status == Gdiplus::Ok)
        Gdiplus::GdiplusShutdown(m_token);
}

} // namespace halvane::fw
