// Text measured and drawn the way the controls draw it, as references for what they show.
#pragma once

#include <windows.h>

#include <string>

#include "win/support/Pixels.h"

namespace halvane::test {

// Height of one line as DrawText lays lines out (with or without the external leading).
int LineHeight(HFONT font, bool externalLeading);
// Width of `text` in `font`.
int TextExtent(HFONT font, const std::wstring& text);
// `text` drawn by DrawTextW with `format` into `rect` of a width x height surface of `fill`.
Pixels RenderText(HFONT font, const std::wstring& text, int width, int height, RECT rect,
                  UINT format, COLORREF ink, COLORREF fill);

} // namespace halvane::test
