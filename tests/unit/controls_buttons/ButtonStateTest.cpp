#include <gtest/gtest.h>

#include "controls/ButtonState.h"

namespace halvane {
namespace {

constexpr int kStates[] = {kButtonNormal, kButtonHover, kButtonPressed, kButtonDisabled};

TEST(ButtonStateTest, EnabledButtonFollowsThePointerInside) {
    for (int s : kStates) {
        EXPECT_EQ(NextButtonState(s, PointerEvent::Hover, true, true), kButtonHover) << s;
        EXPECT_EQ(NextButtonState(s, PointerEvent::Press, true, true), kButtonPressed) << s;
        EXPECT_EQ(NextButtonState(s, PointerEvent::Release, true, true), kButtonHover) << s;
        EXPECT_EQ(NextButtonState(s, PointerEvent::Leave, true, true), kButtonNormal) << s;
    }
}

TEST(ButtonStateTest, PointsOutsideChangeNothingButTheLeaveStillCounts) {
    // A press held while the pointer is released outside stays pressed until the leave.
    int state = NextButtonState(kButtonHover, PointerEvent::Press, true, true);
    state = NextButtonState(state, PointerEvent::Release, true, false);
    EXPECT_EQ(state, kButtonPressed);
    EXPECT_EQ(NextButtonState(state, PointerEvent::Leave, true, false), kButtonNormal);
    EXPECT_EQ(NextButtonState(kButtonNormal, PointerEvent::Hover, true, false), kButtonNormal);
    EXPECT_EQ(NextButtonState(kButtonHover, PointerEvent::Press, true, false), kButtonHover);
}

TEST(ButtonStateTest, DisabledWindowKeepsItsStateWhateverHappens) {
    for (int s : kStates) {
        for (auto e : {PointerEvent::Hover, PointerEvent::Press, PointerEvent::Release,
                       PointerEvent::Leave}) {
            EXPECT_EQ(NextButtonState(s, e, false, true), s);
        }
    }
}

TEST(ButtonStateTest, FaceFollowsTheStateOnlyWhileEnabled) {
    EXPECT_EQ(ChooseFace(kButtonNormal, true), FaceSlot::Normal);
    EXPECT_EQ(ChooseFace(kButtonHover, true), FaceSlot::Hover);
    EXPECT_EQ(ChooseFace(kButtonPressed, true), FaceSlot::Pressed);
    EXPECT_EQ(ChooseFace(kButtonDisabled, true), FaceSlot::None);
    EXPECT_EQ(ChooseFace(0, true), FaceSlot::None);
    for (int s : kStates)
        EXPECT_EQ(ChooseFace(s, false), FaceSlot::Disabled) << s;
}

} // namespace
} // namespace halvane
