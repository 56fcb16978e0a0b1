#include "controls/ButtonImages.h"

#include <commctrl.h>

#include "controls/ButtonGeometry.h"

namespace halvane {

namespace {
constexpr DWORD kHoverTimeMs = 10;
} // namespace

void CButtonImages::Load(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId) noexcept {
    const UINT ids[] = {normalId, hoverId, pressedId, disabledId};
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        if (SharedImage image = CPngCache::Get(static_cast<WORD>(ids[i])))
            m_images[i] = std::move(image);
    }
}

void CButtonImages::Release() noexcept {
    for (auto& image : m_images)
        image.reset();
}

bool CButtonImages::Complete() const noexcept {
    for (const auto& image : m_images) {
        if (!image)
            return false;
    }
    return true;
}

Gdiplus::Image* CButtonImages::Get(FaceSlot slot) const noexcept {
    if (slot == FaceSlot::None)
        return nullptr;
    return m_images[static_cast<std::size_t>(slot)].get();
}

void TrackHoverAndLeave(HWND button) noexcept {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_HOVER | TME_LEAVE;
    request.hwndTrack = button;
    request.dwHoverTime = kHoverTimeMs;
    ::_TrackMouseEvent(&request);
}

void DrawButtonFace(HDC dc, const RECT& target, Gdiplus::Image* background, const RECT& bkRect,
                    Gdiplus::Image* face, float faceScale) noexcept {
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    const Gdiplus::Rect to(target.left, target.top, target.right - target.left,
                           target.bottom - target.top);
    if (background != nullptr) {
        graphics.DrawImage(background, to, bkRect.left, bkRect.top, bkRect.right - bkRect.left,
                           bkRect.bottom - bkRect.top, Gdiplus::UnitPixel);
    }
    if (face == nullptr)
        return;
    const PixelSize source = FaceSourceSize(static_cast<int>(face->GetWidth()),
                                            static_cast<int>(face->GetHeight()), faceScale);
    graphics.DrawImage(face, to, 0, 0, source.width, source.height, Gdiplus::UnitPixel);
}

} // namespace halvane
