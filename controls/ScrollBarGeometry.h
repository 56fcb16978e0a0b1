// Pixel arithmetic of the skinned scroll bar: where its arrows, page regions and thumb lie along
// the bar, which part a point hits, how far a thumb drag moves the position, and which pieces of
// a skin cell make up a painted thumb or a tiled region.
#pragma once

#include <vector>

#include "controls/ButtonGeometry.h"

namespace halvane {

// Parts of a bar, named by the standard scroll codes they send.
enum ScrollPart : int {
    kScrollPartNone = -1,
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumb = 5,
};

// One bar's state as the arithmetic needs it. `trackPos` -1 means no drag is under way.
struct ScrollBarMetrics {
    int length = 0;     // client length along the axis
    int cell = 0;       // skin cell size (bitmap width / 9)
    float scale = 1.0f; // display scale factor
    int minPos = 0;
    int maxPos = 0;
    unsigned page = 0;
    int pos = 0;
    int trackPos = -1;
    int thumbMargin = 0; // end-cap parameter of the thumb
};

struct AxisSpan {
    int start = 0;
    int end = 0;
};

// Cell size of a skin bitmap of this width (9 columns); 0 for no bitmap.
int SkinCellSize(int bitmapWidth) noexcept;
// Thickness of a bar across its axis: trunc(cell * scale).
int ScaledCell(const ScrollBarMetrics& m) noexcept;
// Length of the track between the two arrows, never negative.
int TrackLength(const ScrollBarMetrics& m) noexcept;
// Thumb length with its minimum applied, the range not yet considered.
int ThumbLength(const ScrollBarMetrics& m) noexcept;
// Length of each arrow: one scaled cell, or half the bar when no track is left.
int ArrowLength(const ScrollBarMetrics& m) noexcept;
// Where a part lies along the axis (kScrollPartNone gives an empty span).
AxisSpan PartSpan(const ScrollBarMetrics& m, int part) noexcept;
// The part's rectangle in client coordinates of a vertical or horizontal bar.
PixelRect PartRect(const ScrollBarMetrics& m, int part, bool vertical) noexcept;
// The part under a point at `axis` along the bar, or kScrollPartNone.
int HitTestPart(const ScrollBarMetrics& m, int axis) noexcept;
// Position reached by dragging the thumb `delta` pixels from where it was pressed at
// `startPos`: proportional to the free track, clamped to the range.
int DragPosition(const ScrollBarMetrics& m, int startPos, int delta) noexcept;

// One copy of a source rectangle (skin pixels) onto a destination rectangle (bar pixels).
struct CellBlit {
    PixelRect dest;
    PixelRect source;
};

// Tiles that fill `dest` with copies of `source`, row by row from the top left.
std::vector<CellBlit> TileCellBlits(const PixelRect& dest, const PixelRect& source, float scale);
// A thumb in `dest` from the cell `source`: both end caps, then the tiles of the middle.
std::vector<CellBlit> ThumbBlits(const PixelRect& dest, const PixelRect& source, bool vertical,
                                 int thumbMargin, float scale);
// The strip of track uncovered when the thumb moves from `before` to `after`, as thick as
// `thickness` across the axis.
PixelRect UncoveredTrack(const PixelRect& before, const PixelRect& after, bool vertical,
                         int thickness) noexcept;

} // namespace halvane
