#include "dialogs/ExecutePromptLayout.h"

namespace halvane {

std::wstring StateTextFor(const std::wstring& message) {
    return message.size() >= 2 ? message : std::wstring(kExecuteFallbackText);
}

fw::IntRect StateTextRect(const fw::IntRect& client, float s) noexcept {
    const int half = client.Height() / 2;
    const int left = static_cast<int>(static_cast<float>(client.left) + 10 * s);
    const int top = static_cast<int>(static_cast<float>(client.top + half) - 20 * s);
    const int right = static_cast<int>(static_cast<float>(client.right) - 10 * s);
    const int bottom = static_cast<int>(static_cast<float>(top) + 40 * s);
    return {left, top, right, bottom};
}

} // namespace halvane
