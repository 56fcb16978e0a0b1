// Where the main panel's controls, its prompt line, its drag strip and the agreement pop-up go.
// Pure arithmetic on the client (or window) rectangle and the scale s: every "int(x)" is computed
// in floating point and truncated toward zero, exactly as the panel's windows are placed.
#pragma once

#include "framework/Geometry.h"

namespace halvane {

// The skin's client width at scale 1; a wider panel takes the scaled branch for "更多工具".
inline constexpr int kPanelSkinWidth = 400;

// The part of the background image (PNG 139) under "设置" and under "更多工具".
inline constexpr fw::IntRect kSetButtonImageRect{77, 309, 323, 356};
inline constexpr fw::IntRect kMoreToolsImageRect{50, 545, 108, 563};
inline constexpr fw::IntRect kVersionTextImageRect{188, 16, 288, 31};

struct PanelLayout {
    fw::IntRect close;
    fw::IntRect minimise;
    fw::IntRect versionText;
    fw::IntRect modeList;
    fw::IntRect setButton;
    fw::IntRect moreTools;
    // The part of the background image drawn under "更多工具".
    fw::IntRect moreToolsImage;
    fw::IntRect consentBox;
    fw::IntRect agreementLink;
    fw::IntRect feedbackLink;
};

// client: the panel's client rectangle. charWidth: the width of "同意《岚拓服务工具使用许可协议》"
// divided by 14 (one character); feedbackTextWidth: the width of "反馈问题".
PanelLayout LayoutPanel(const fw::IntRect& client, float scale, int charWidth,
                        int feedbackTextWidth) noexcept;

// The line "请选择您要设置的电源模式" painted on the background.
fw::IntRect PromptLineRect(const fw::IntRect& client, float scale) noexcept;

// The agreement pop-up below the panel's header: x, y and size as a rectangle.
fw::IntRect AgreementPopupRect(const fw::IntRect& panelWindow, float scale) noexcept;

} // namespace halvane
