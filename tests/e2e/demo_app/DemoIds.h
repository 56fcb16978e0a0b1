// What the end-to-end tests know about the demo window: ids, texts, colours, geometry.
#pragma once

namespace demo {

constexpr int kApplyId = 1001;
constexpr int kAgreeId = 1002;
constexpr int kModeId = 1003;
constexpr int kStatusId = 1004;

constexpr int kWidth = 360;
constexpr int kHeight = 240;
constexpr int kCaptionHeight = 32; // dragging here moves the window
// A swatch painted in one colour, for reading back a known pixel.
constexpr int kSwatchLeft = 300;
constexpr int kSwatchTop = 60;
constexpr int kSwatchSize = 40;

} // namespace demo
