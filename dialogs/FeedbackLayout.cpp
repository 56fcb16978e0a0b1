#include "dialogs/FeedbackLayout.h"

namespace halvane {

namespace {

constexpr int kButtonWidth = 266;
constexpr int kButtonHeight = 60;
constexpr int kHalfButtonWidth = 133;
constexpr int kButtonPitch = 80; // from one answer button's top to the next
constexpr int kHitMargin = 9;

// The answer buttons' places in the 400 x 468 background image.
constexpr fw::IntRect kSolvedBk{67, 154, 333, 214};
constexpr fw::IntRect kUnsolvedBk{67, 234, 333, 294};
constexpr fw::IntRect kMoreBk{67, 314, 333, 374};

using fw::Trunc;

float F(int value) noexcept {
    return static_cast<float>(value);
}

fw::IntRect Sized(int left, int top, int width, int height) noexcept {
    return {left, top, left + width, top + height};
}

} // namespace

FeedbackLayout ComputeFeedbackLayout(const fw::IntRect& client, float s) noexcept {
    FeedbackLayout layout{};
    const int l = client.left;
    const int t = client.top;
    const int w = client.Width();
    const int h = client.Height();

    const int closeLeft = Trunc(F(client.right) - 18 * s);
    const int closeTop = Trunc(F(t) + 6 * s);
    layout.close = {closeLeft, closeTop, Trunc(F(closeLeft) + 12 * s), Trunc(F(closeTop) + 12 * s)};

    if (w > 400) {
        const int width = Trunc(kButtonWidth * s);
        const int height = Trunc(kButtonHeight * s);
        const int pitch = Trunc(kButtonPitch * s);
        const int middle = Trunc(234 * s);
        // The first left is cut once from the difference, the other two from each product.
        layout.solved = Sized(Trunc(200 * s - kHalfButtonWidth * s) + l,
                              Trunc(234 * s - F(pitch)) + t, width, height);
        const int left = Trunc(200 * s) + l - Trunc(kHalfButtonWidth * s);
        layout.unsolved = Sized(left, middle + t, width, height);
        layout.more = Sized(left, middle + t + pitch, width, height);
        layout.solvedBk = kSolvedBk;
        layout.unsolvedBk = kUnsolvedBk;
        layout.moreBk = kMoreBk;
        layout.hitMargin = Trunc(kHitMargin * s);
        return layout;
    }

    const int left = l + w / 2 - kHalfButtonWidth;
    const int middle = t + h / 2;
    layout.solved = Sized(left, middle - kButtonPitch, kButtonWidth, kButtonHeight);
    layout.unsolved = Sized(left, middle, kButtonWidth, kButtonHeight);
    layout.more = Sized(left, middle + kButtonPitch, kButtonWidth, kButtonHeight);
    layout.solvedBk = layout.solved;
    layout.unsolvedBk = layout.unsolved;
    layout.moreBk = layout.more;
    layout.hitMargin = kHitMargin;
    return layout;
}

} // namespace halvane
