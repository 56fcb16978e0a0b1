#include "controls/ButtonImages.h"

namespace halvane {

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

} // namespace halvane
