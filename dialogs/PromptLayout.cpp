#include "dialogs/PromptLayout.h"

#include "res/resource.h"

namespace halvane {

namespace {

constexpr ButtonImages kYes{IDB_PROMPT_YES_NORMAL, IDB_PROMPT_YES_HOVER, IDB_PROMPT_YES_PRESSED,
                            IDB_PROMPT_YES_PRESSED};
constexpr ButtonImages kNo{IDB_PROMPT_NO_NORMAL, IDB_PROMPT_NO_HOVER, IDB_PROMPT_NO_PRESSED,
                           IDB_PROMPT_NO_PRESSED};
constexpr ButtonImages kConfirm{IDB_PROMPT_CONFIRM_NORMAL, IDB_PROMPT_CONFIRM_HOVER,
                                IDB_PROMPT_CONFIRM_PRESSED, IDB_PROMPT_CONFIRM_PRESSED};
constexpr ButtonImages kCancel{IDB_PROMPT_CANCEL_NORMAL, IDB_PROMPT_CANCEL_HOVER,
                               IDB_PROMPT_CANCEL_PRESSED, IDB_PROMPT_CANCEL_PRESSED};

using fw::Trunc;

} // namespace

PromptButtonSet PromptButtonsFor(int type) noexcept {
    switch (type) {
    case 1:
        return {kYes, kNo, false, true};
    case 2:
        return {kYes, kNo, true, false};
    case 3:
        return {kConfirm, kCancel, false, true};
    case 4:
        return {kConfirm, kCancel, true, false};
    default:
        return {kYes, kNo, false, false};
    }
}

PromptLayout ComputePromptLayout(int clientWidth, int clientHeight, float s, int type) noexcept {
    PromptLayout layout{};
    const int half = clientWidth / 2;

    const int closeLeft = clientWidth - Trunc(26 * s);
    const int closeTop = Trunc(8 * s);
    layout.close = {closeLeft, closeTop, closeLeft + Trunc(12 * s), closeTop + Trunc(12 * s)};

    const int buttonTop = Trunc(107 * s);
    const int buttonWidth = Trunc(55 * s);
    const int buttonBottom = buttonTop + Trunc(24 * s);
    const int okLeft = Trunc(static_cast<float>(half) - 55 * s - 12 * s);
    const int cancelLeft = Trunc(static_cast<float>(half) + 12 * s);
    layout.ok = {okLeft, buttonTop, okLeft + buttonWidth, buttonBottom};
    layout.cancel = {cancelLeft, buttonTop, cancelLeft + buttonWidth, buttonBottom};

    layout.buttons = PromptButtonsFor(type);
    if (layout.buttons.okCentred) {
        const int centredLeft = Trunc(static_cast<float>(half) - 55 * s / 2);
        layout.ok = {centredLeft, buttonTop, centredLeft + buttonWidth, buttonBottom};
    }

    layout.message = {Trunc(10 * s), Trunc(30 * s), clientWidth - Trunc(10 * s),
                      clientHeight - Trunc(40 * s)};
    return layout;
}

} // namespace halvane
