#include "controls/ScrollBarGeometry.h"

#include <algorithm>

namespace halvane {

namespace {

constexpr int kMinThumb = 6; // shortest thumb that still shows its two end caps
constexpr int kCapLength = 3;

using fw::Trunc;

// max - min + 1 in 64 bits: a full int range must not overflow.
long long RangeCount(const ScrollBarMetrics& m) noexcept {
    return static_cast<long long>(m.maxPos) - m.minPos + 1;
}

// max + 1 - min - page: the positions the thumb can take; 0 means the page covers everything.
long long FreeRange(const ScrollBarMetrics& m) noexcept {
    return RangeCount(m) - static_cast<long long>(m.page);
}

int CurrentPos(const ScrollBarMetrics& m) noexcept {
    return m.trackPos == -1 ? m.pos : m.trackPos;
}

// Distance of the thumb from the end of the first arrow.
int ThumbOffset(const ScrollBarMetrics& m, int track, int thumb) noexcept {
    const long long free = FreeRange(m);
    if (free == 0)
        return (track - thumb) / 2;
    return static_cast<int>(static_cast<long long>(CurrentPos(m)) * (track - thumb) / free);
}

} // namespace

int SkinCellSize(int bitmapWidth) noexcept {
    return bitmapWidth > 0 ? bitmapWidth / 9 : 0;
}

int ScaledCell(const ScrollBarMetrics& m) noexcept {
    return Trunc(static_cast<float>(m.cell) * m.scale);
}

int TrackLength(const ScrollBarMetrics& m) noexcept {
    const int track = m.length - Trunc(2.0f * static_cast<float>(m.cell) * m.scale);
    return std::max(track, 0);
}

int ThumbLength(const ScrollBarMetrics& m) noexcept {
    const int track = TrackLength(m);
    const long long count = RangeCount(m);
    int thumb = count == 0 ? 0 : static_cast<int>(static_cast<long long>(m.page) * track / count);
    const int shortest = m.thumbMargin > 0 ? 2 * m.thumbMargin + kMinThumb : kMinThumb;
    if (track < shortest)
        return 0;
    return std::max(thumb, shortest);
}

int ArrowLength(const ScrollBarMetrics& m) noexcept {
    if (TrackLength(m) == 0)
        return m.length / 2;
    return ScaledCell(m);
}

AxisSpan PartSpan(const ScrollBarMetrics& m, int part) noexcept {
    const int track = TrackLength(m);
    const int thumb = FreeRange(m) == 0 ? 0 : ThumbLength(m);
    const int arrow = ArrowLength(m);
    const int start = arrow + ThumbOffset(m, track, thumb);
    switch (part) {
    case kScrollLineUp:
        return {0, arrow};
    case kScrollPageUp:
        return {arrow, start};
    case kScrollThumb:
        return {start, start + thumb};
    case kScrollPageDown:
        return {start + thumb, m.length - arrow};
    case kScrollLineDown:
        return {m.length - arrow, m.length};
    default:
        return {0, 0};
    }
}

PixelRect PartRect(const ScrollBarMetrics& m, int part, bool vertical) noexcept {
    const AxisSpan span = PartSpan(m, part);
    const int across = ScaledCell(m);
    if (vertical)
        return PixelRect{0, span.start, across, span.end};
    return PixelRect{span.start, 0, span.end, across};
}

int HitTestPart(const ScrollBarMetrics& m, int axis) noexcept {
    if (axis < 0)
        return kScrollPartNone;
    // Unlike the painted geometry, a thumb covering the whole range keeps its band for hits.
    const int track = TrackLength(m);
    const int thumb = ThumbLength(m);
    const int arrow = ArrowLength(m);
    const int offset = ThumbOffset(m, track, thumb);
    if (axis < arrow)
        return kScrollLineUp;
    if (axis < arrow + offset)
        return kScrollPageUp;
    if (axis < arrow + offset + thumb)
        return kScrollThumb;
    if (axis < m.length - arrow)
        return kScrollPageDown;
    return kScrollLineDown;
}

int DragPosition(const ScrollBarMetrics& m, int startPos, int delta) noexcept {
    const int free = TrackLength(m) - ThumbLength(m);
    const long long last =
        static_cast<long long>(m.maxPos) - m.minPos - static_cast<long long>(m.page) + 1;
    const long long slide = free != 0 ? last * delta / free : 0;
    long long next = static_cast<long long>(startPos) + slide;
    if (next > last)
        next = last;
    if (next < m.minPos)
        next = m.minPos;
    return static_cast<int>(next);
}

std::vector<CellBlit> TileCellBlits(const PixelRect& dest, const PixelRect& source, float scale) {
    std::vector<CellBlit> tiles;
    const int srcW = source.Width();
    const int srcH = source.Height();
    if (srcW <= 0 || srcH <= 0)
        return tiles;
    for (int y = dest.top; y < dest.bottom;) {
        const int h = std::min(srcH, dest.bottom - y);
        const int stepY = std::max(Trunc(static_cast<float>(h) * scale), 1);
        for (int x = dest.left; x < dest.right;) {
            const int w = std::min(srcW, dest.right - x);
            const int stepX = std::max(Trunc(static_cast<float>(w) * scale), 1);
            tiles.push_back(CellBlit{PixelRect{x, y, x + Trunc(static_cast<float>(w) * scale),
                                               y + Trunc(static_cast<float>(h) * scale)},
                                     source});
            x += stepX;
        }
        y += stepY;
    }
    return tiles;
}

std::vector<CellBlit> ThumbBlits(const PixelRect& dest, const PixelRect& source, bool vertical,
                                 int thumbMargin, float scale) {
    std::vector<CellBlit> blits;
    if (dest.Width() <= 0 || dest.Height() <= 0)
        return blits;
    const int cap = thumbMargin > 0 ? thumbMargin + kCapLength : kCapLength;
    PixelRect middle = dest;
    PixelRect middleSource = source;
    if (vertical) {
        const int across = dest.left + Trunc(static_cast<float>(source.Width()) * scale);
        blits.push_back({PixelRect{dest.left, dest.top, across, dest.top + cap},
                         PixelRect{source.left, source.top, source.right, source.top + cap}});
        blits.push_back({PixelRect{dest.left, dest.bottom - cap, across, dest.bottom},
                         PixelRect{source.left, source.bottom - cap, source.right, source.bottom}});
        middle.top += cap;
        middle.bottom -= cap;
        middleSource.top += cap;
        middleSource.bottom -= cap;
    } else {
        const int across = dest.top + Trunc(static_cast<float>(source.Height()) * scale);
        blits.push_back({PixelRect{dest.left, dest.top, dest.left + cap, across},
                         PixelRect{source.left, source.top, source.left + cap, source.bottom}});
        blits.push_back({PixelRect{dest.right - cap, dest.top, dest.right, across},
                         PixelRect{source.right - cap, source.top, source.right, source.bottom}});
        middle.left += cap;
        middle.right -= cap;
        middleSource.left += cap;
        middleSource.right -= cap;
    }
    const std::vector<CellBlit> tiles = TileCellBlits(middle, middleSource, scale);
    blits.insert(blits.end(), tiles.begin(), tiles.end());
    return blits;
}

PixelRect UncoveredTrack(const PixelRect& before, const PixelRect& after, bool vertical,
                         int thickness) noexcept {
    const int oldStart = vertical ? before.top : before.left;
    const int oldEnd = vertical ? before.bottom : before.right;
    const int newStart = vertical ? after.top : after.left;
    const int newEnd = vertical ? after.bottom : after.right;
    // Forward: from the old start up to the new start; back: from the new end to the old end.
    const int from = newStart > oldStart ? oldStart : newEnd;
    const int to = newStart > oldStart ? newStart : oldEnd;
    if (vertical)
        return PixelRect{0, from, thickness, to};
    return PixelRect{from, 0, to, thickness};
}

} // namespace halvane
