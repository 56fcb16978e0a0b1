#include <gtest/gtest.h>

#include "controls/ScrollBarGeometry.h"

namespace halvane {
namespace {

// The system's skin: 117 pixels wide, so 13-pixel cells.
ScrollBarMetrics Bar(int length, int maxPos, unsigned page, int pos, float scale = 1.0f) {
    ScrollBarMetrics m;
    m.length = length;
    m.cell = SkinCellSize(117);
    m.scale = scale;
    m.maxPos = maxPos;
    m.page = page;
    m.pos = pos;
    return m;
}

struct SpanCase {
    const char* name;
    ScrollBarMetrics bar;
    int track, thumb;
    AxisSpan up, pageUp, thumbSpan, pageDown, down;
};

TEST(ScrollBarGeometryTest, PartsAlongTheBar) {
    ScrollBarMetrics dragged = Bar(200, 199, 50, 0);
    dragged.trackPos = 150; // a drag position wins over pos
    ScrollBarMetrics margin = Bar(200, 199, 50, 0);
    margin.thumbMargin = 4; // shortest thumb 2 * 4 + 6
    const SpanCase cases[] = {
        {"top", Bar(200, 199, 50, 0), 174, 43, {0, 13}, {13, 13}, {13, 56}, {56, 187}, {187, 200}},
        {"pos 150", Bar(200, 199, 50, 150), 174, 43,
         {0, 13}, {13, 144}, {144, 187}, {187, 187}, {187, 200}},
        {"drag 150", dragged, 174, 43, {0, 13}, {13, 144}, {144, 187}, {187, 187}, {187, 200}},
        {"minimum thumb", Bar(200, 999, 1, 0), 174, 6,
         {0, 13}, {13, 13}, {13, 19}, {19, 187}, {187, 200}},
        {"margin minimum", [&] { ScrollBarMetrics m = Bar(200, 999, 1, 0); m.thumbMargin = 4;
                                 return m; }(), 174, 14,
         {0, 13}, {13, 13}, {13, 27}, {27, 187}, {187, 200}},
        {"margin", margin, 174, 43, {0, 13}, {13, 13}, {13, 56}, {56, 187}, {187, 200}},
        // Shorter than two arrows: they share the bar, no thumb.
        {"short", Bar(20, 199, 50, 0), 0, 0, {0, 10}, {10, 10}, {10, 10}, {10, 10}, {10, 20}},
        // Page covers the range: no thumb, centred in the track.
        {"whole range", Bar(200, 49, 50, 0), 174, 0,
         {0, 13}, {13, 100}, {100, 100}, {100, 187}, {187, 200}},
        // max - min + 1 = 0: no division; the page covers it all, so the centred empty thumb.
        {"empty count", Bar(200, -1, 0, 0), 174, 6,
         {0, 13}, {13, 100}, {100, 100}, {100, 187}, {187, 200}},
        {"scale 2", Bar(200, 199, 50, 0, 2.0f), 148, 37,
         {0, 26}, {26, 26}, {26, 63}, {63, 174}, {174, 200}},
        {"scale 2 end", Bar(200, 199, 50, 150, 2.0f), 148, 37,
         {0, 26}, {26, 137}, {137, 174}, {174, 174}, {174, 200}},
        {"scale 2 short", Bar(50, 199, 50, 0, 2.0f), 0, 0,
         {0, 25}, {25, 25}, {25, 25}, {25, 25}, {25, 50}},
        {"track below six", Bar(31, 199, 50, 0), 5, 0,
         {0, 13}, {13, 13}, {13, 13}, {13, 18}, {18, 31}},
    };
    for (const SpanCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TrackLength(c.bar), c.track);
        const auto expect = [&](int part, AxisSpan want) {
            const AxisSpan got = PartSpan(c.bar, part);
            EXPECT_EQ(got.start, want.start) << "part " << part;
            EXPECT_EQ(got.end, want.end) << "part " << part;
        };
        expect(kScrollLineUp, c.up);
        expect(kScrollPageUp, c.pageUp);
        expect(kScrollThumb, c.thumbSpan);
        expect(kScrollPageDown, c.pageDown);
        expect(kScrollLineDown, c.down);
        EXPECT_EQ(c.thumbSpan.end - c.thumbSpan.start,
                  c.bar.maxPos + 1 - c.bar.minPos - static_cast<int>(c.bar.page) == 0 ? 0
                                                                                       : c.thumb);
    }
}

TEST(ScrollBarGeometryTest, RectanglesAreOneScaledCellThick) {
    const PixelRect v = PartRect(Bar(200, 199, 50, 150), kScrollThumb, true);
    EXPECT_EQ(v.left, 0);
    EXPECT_EQ(v.top, 144);
    EXPECT_EQ(v.right, 13);
    EXPECT_EQ(v.bottom, 187);
    const PixelRect h = PartRect(Bar(200, 199, 50, 0, 2.0f), kScrollLineDown, false);
    EXPECT_EQ(h.left, 174);
    EXPECT_EQ(h.top, 0);
    EXPECT_EQ(h.right, 200);
    EXPECT_EQ(h.bottom, 26);
    EXPECT_EQ(SkinCellSize(0), 0);
    EXPECT_EQ(SkinCellSize(8), 0);
}

TEST(ScrollBarGeometryTest, HitTestAlongTheBar) {
    struct HitCase {
        const char* name;
        ScrollBarMetrics bar;
        int axis;
        int part;
    };
    const HitCase cases[] = {
        {"above", Bar(200, 199, 50, 0), -1, kScrollPartNone},
        {"up arrow", Bar(200, 199, 50, 0), 0, kScrollLineUp},
        {"up arrow end", Bar(200, 199, 50, 0), 12, kScrollLineUp},
        {"thumb top", Bar(200, 199, 50, 0), 13, kScrollThumb},
        {"thumb end", Bar(200, 199, 50, 0), 55, kScrollThumb},
        {"below thumb", Bar(200, 199, 50, 0), 56, kScrollPageDown},
        {"above down arrow", Bar(200, 199, 50, 0), 186, kScrollPageDown},
        {"down arrow", Bar(200, 199, 50, 0), 187, kScrollLineDown},
        {"past the end", Bar(200, 199, 50, 0), 400, kScrollLineDown},
        {"page up", Bar(200, 199, 50, 150), 143, kScrollPageUp},
        {"thumb at end", Bar(200, 199, 50, 150), 144, kScrollThumb},
        // The hit band stays where the painted thumb would be if it had its length.
        {"whole range", Bar(200, 49, 50, 0), 13, kScrollThumb},
        {"whole range end", Bar(200, 49, 50, 0), 186, kScrollThumb},
        {"empty count above", Bar(200, -1, 0, 0), 96, kScrollPageUp},
        {"empty count band", Bar(200, -1, 0, 0), 97, kScrollThumb},
        {"empty count below", Bar(200, -1, 0, 0), 103, kScrollPageDown},
        {"short first", Bar(20, 199, 50, 0), 9, kScrollLineUp},
        {"short second", Bar(20, 199, 50, 0), 10, kScrollLineDown},
        {"scale 2", Bar(200, 199, 50, 0, 2.0f), 25, kScrollLineUp},
        {"scale 2 thumb", Bar(200, 199, 50, 0, 2.0f), 26, kScrollThumb},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(HitTestPart(c.bar, c.axis), c.part) << c.name;
}

TEST(ScrollBarGeometryTest, DragSlidesInProportionAndStaysInRange) {
    struct DragCase {
        const char* name;
        ScrollBarMetrics bar;
        int startPos, delta, pos;
    };
    const DragCase cases[] = {
        // Free track 174 - 43 = 131 for 150 positions.
        {"still", Bar(200, 199, 50, 0), 0, 0, 0},
        {"ten down", Bar(200, 199, 50, 0), 0, 10, 11},
        {"ten up", Bar(200, 199, 50, 0), 40, -10, 29},
        {"whole free track", Bar(200, 199, 50, 0), 0, 131, 150},
        {"past the end", Bar(200, 199, 50, 0), 100, 500, 150},
        {"past the start", Bar(200, 199, 50, 0), 20, -500, 0},
        {"scale 2", Bar(200, 199, 50, 0, 2.0f), 0, 10, 13},
        // Thumb as long as the track: no division, no movement.
        {"no free track", Bar(32, 199, 50, 0), 7, 30, 7},
        {"short bar", Bar(20, 199, 50, 0), 5, 30, 5},
    };
    for (const DragCase& c : cases)
        EXPECT_EQ(DragPosition(c.bar, c.startPos, c.delta), c.pos) << c.name;
}

void ExpectBlit(const CellBlit& b, PixelRect dest, PixelRect source) {
    EXPECT_EQ(b.dest.left, dest.left);
    EXPECT_EQ(b.dest.top, dest.top);
    EXPECT_EQ(b.dest.right, dest.right);
    EXPECT_EQ(b.dest.bottom, dest.bottom);
    EXPECT_EQ(b.source.left, source.left);
    EXPECT_EQ(b.source.top, source.top);
    EXPECT_EQ(b.source.right, source.right);
    EXPECT_EQ(b.source.bottom, source.bottom);
}

TEST(ScrollBarGeometryTest, TilesFillRowsAndCutTheLastOnes) {
    const PixelRect cell{39, 0, 52, 13}; // track cell, row 0
    const auto tiles = TileCellBlits(PixelRect{0, 56, 13, 187}, cell, 1.0f);
    ASSERT_EQ(tiles.size(), 11u); // 131 = 10 * 13 + 1
    ExpectBlit(tiles[0], {0, 56, 13, 69}, cell);
    ExpectBlit(tiles[10], {0, 186, 13, 187}, cell);
    const auto wide = TileCellBlits(PixelRect{0, 0, 30, 13}, cell, 1.0f);
    ASSERT_EQ(wide.size(), 3u);
    ExpectBlit(wide[2], {26, 0, 30, 13}, cell);
    const auto scaled = TileCellBlits(PixelRect{0, 0, 26, 52}, cell, 2.0f);
    ASSERT_EQ(scaled.size(), 2u);
    ExpectBlit(scaled[1], {0, 26, 26, 52}, cell);
    EXPECT_TRUE(TileCellBlits(PixelRect{0, 10, 13, 10}, cell, 1.0f).empty());
    EXPECT_TRUE(TileCellBlits(PixelRect{0, 0, 13, 13}, PixelRect{}, 1.0f).empty());
    // Steps that truncate to nothing still advance: rows and columns at 0, 6, 9/10, 11/12, 12/13.
    EXPECT_EQ(TileCellBlits(PixelRect{0, 0, 13, 14}, cell, 0.5f).size(), 25u);
}

TEST(ScrollBarGeometryTest, ThumbHasThreePixelCapsAndATiledMiddle) {
    const PixelRect cell{26, 26, 39, 39}; // thumb cell, pressed row
    const auto v = ThumbBlits(PixelRect{0, 13, 13, 56}, cell, true, 0, 1.0f);
    ASSERT_EQ(v.size(), 2u + 6u); // 37 pixels of middle from a 7-pixel strip
    ExpectBlit(v[0], {0, 13, 13, 16}, {26, 26, 39, 29});
    ExpectBlit(v[1], {0, 53, 13, 56}, {26, 36, 39, 39});
    ExpectBlit(v[2], {0, 16, 13, 23}, {26, 29, 39, 36});
    ExpectBlit(v[7], {0, 51, 13, 53}, {26, 29, 39, 36});

    const PixelRect hcell{78, 0, 91, 13};
    const auto h = ThumbBlits(PixelRect{40, 0, 60, 26}, hcell, false, 2, 2.0f);
    ASSERT_GE(h.size(), 3u);
    ExpectBlit(h[0], {40, 0, 45, 26}, {78, 0, 83, 13});
    ExpectBlit(h[1], {55, 0, 60, 26}, {86, 0, 91, 13});
    ExpectBlit(h[2], {45, 0, 51, 26}, {83, 0, 86, 13});

    EXPECT_TRUE(ThumbBlits(PixelRect{0, 13, 13, 13}, cell, true, 0, 1.0f).empty());
}

TEST(ScrollBarGeometryTest, DragUncoversTheTrackBehindTheThumb) {
    const PixelRect down = UncoveredTrack({0, 13, 13, 56}, {0, 24, 13, 67}, true, 13);
    EXPECT_EQ(down.top, 13);
    EXPECT_EQ(down.bottom, 24);
    EXPECT_EQ(down.right, 13);
    const PixelRect up = UncoveredTrack({30, 0, 73, 26}, {20, 0, 63, 26}, false, 26);
    EXPECT_EQ(up.left, 63);
    EXPECT_EQ(up.right, 73);
    EXPECT_EQ(up.bottom, 26);
}

} // namespace
} // namespace halvane
