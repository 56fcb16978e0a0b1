#include "controls/StateDots.h"

namespace halvane {

int NextDotCount(int count) noexcept {
    return count >= 0 && count < kMaxDotCount ? count + 1 : 0;
}

const wchar_t* DotsFor(int count) noexcept {
    static const wchar_t* const dots[] = {L"", L".", L"..", L"..."};
    return count >= 0 && count <= kMaxDotCount ? dots[count] : L"";
}

} // namespace halvane
