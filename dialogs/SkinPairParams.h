// The parameters in which the outer/inner window pairs differ. Sizes and insets are pixels at
// scale 1; the geometry functions (PairGeometry.h) scale them.
#pragma once

#include "framework/Geometry.h"
#include "res/resource.h"

namespace halvane {

using SkinInsets = fw::Insets;

struct SkinPairParams {
    int outerTemplate;
    int skinPng;
    int outerWidth;
    int outerHeight;
    int innerTemplate;
    int backgroundPng;
    // Where the inner lies when the outer creates it, and the outer around a dragged inner.
    SkinInsets insets;
    // Where the outer's own moves put the inner (the feedback pair differs at the top).
    SkinInsets moveInsets;
    // 0: the pair has no caption strip and cannot be dragged.
    int captionHeight;
    int captionRightMargin;
    // GDI+ SmoothingModeHighQuality for the skin (the progress outer only).
    bool highQualitySkin;
    // The inner composes its background off-screen before copying it (the progress inner only).
    bool bufferedBackground;
    // Pixels of the background image left out at each edge (the agreement inner shows only the
    // image's top-left 540 x 384).
    SkinInsets backgroundCrop{0, 0, 0, 0};
};

// clang-format off
// outer template, skin, outer size | inner template, background | insets | move insets |
// caption height, right margin | high-quality skin, buffered background
// The main window and its panel; the main window centres itself on the screen.
inline constexpr SkinPairParams kMainPair{
    IDD_HALVANE_DIALOG, IDB_MAIN_FRAME, 410, 611, IDD_TORVEL_DIALOG, IDB_PANEL_BK,
    {5, 4, 5, 7}, {5, 4, 5, 7}, 30, 86, false, false};
inline constexpr SkinPairParams kFeedbackPair{
    IDD_FEEDBACK_DIALOG, IDB_FEEDBACK_FRAME, 410, 479, IDD_FEEDBACK_CHILD_DIALOG, IDB_FEEDBACK_BK,
    {5, 4, 5, 7}, {5, 3, 5, 7}, 30, 26, false, false};
inline constexpr SkinPairParams kPromptPair{
    IDD_PROMPT_DIALOG, IDB_PROMPT_FRAME, 336, 156, IDD_PROMPT_CHILD_DIALOG, IDB_PROMPT_BK,
    {5, 3, 5, 7}, {5, 3, 5, 7}, 30, 26, false, false};
inline constexpr SkinPairParams kExecutePromptPair{
    IDD_EXECUTE_PROMPT_DIALOG, IDB_PROGRESS_FRAME, 232, 132, IDD_EXECUTE_PROMPT_CHILD_DIALOG,
    IDB_PROGRESS_BK, {14, 12, 14, 16}, {14, 12, 14, 16}, 0, 0, true, true};
// The agreement outer places its new inner by a rule of its own (TooltipLayout.h).
inline constexpr SkinPairParams kTooltipPair{
    IDD_TOOLTIP_DIALOG, IDB_TOOLTIP_BK, 396, 482, IDD_TOOLTIP_CHILD_DIALOG, IDB_TOOLTIP_BK,
    {1, 1, 2, 18}, {1, 1, 2, 18}, 0, 0, false, true, {0, 0, 1, 18}};
// clang-format on

} // namespace halvane
