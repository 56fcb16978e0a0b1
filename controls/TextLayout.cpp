#include "controls/TextLayout.h"

namespace halvane {

using namespace textformat;

namespace {

constexpr TextLayout Block(unsigned measure, unsigned draw) noexcept {
    return TextLayout{true, true, measure, draw};
}
constexpr TextLayout Direct(unsigned draw) noexcept {
    return TextLayout{true, false, 0, draw};
}

} // namespace

TextLayout DrawTextLayout(int mode) noexcept {
    constexpr unsigned wrapped = kWordBreak | kExternalLeading;
    constexpr unsigned oneLine = kSingleLine | kExternalLeading | kVCenter;
    constexpr unsigned measure = kCalcRect | wrapped;
    switch (mode) {
    case 0:
        return Block(measure, wrapped | kVCenter);
    case 1:
    case 4:
        return Direct(oneLine);
    case 2:
        return Direct(oneLine | kCenter);
    case 3:
        return Block(measure, wrapped | kVCenter | kRight);
    case 5:
        return Block(measure, wrapped | kVCenter | kCenter);
    case 6:
        return Direct(wrapped);
    case 7:
        return Block(measure | kEditControl, wrapped | kEditControl);
    default:
        return TextLayout{false, false, 0, 0};
    }
}

TextLayout StateInfoLayout(int mode) noexcept {
    constexpr unsigned oneLine = kSingleLine | kVCenter;
    constexpr unsigned measure = kCalcRect | kWordBreak;
    switch (mode) {
    case 2:
        return Direct(oneLine | kCenter);
    case 3:
        return Direct(oneLine | kRight);
    case 4:
        return Block(measure, kWordBreak | kVCenter);
    case 5:
        return Block(measure, kWordBreak | kVCenter | kCenter);
    case 6:
        return Block(measure, kWordBreak | kVCenter | kRight);
    default:
        return Direct(oneLine);
    }
}

int CentredBlockTop(int clientTop, int clientHeight, int textHeight) noexcept {
    // Widened so extreme heights cannot overflow; the result fits back in an int.
    const long long shift = (static_cast<long long>(clientHeight) - textHeight) / 2;
    return static_cast<int>(clientTop + shift);
}

} // namespace halvane
