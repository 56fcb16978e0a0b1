// The plain-PNG decoder against files built here with zlib: every filter on RGB and RGBA, data
// split across chunks, the forms left to GDI+, and damaged files, which must fail, never crash.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/PngDecode.h"

namespace halvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBe32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBe32(out, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBe32(out,
            static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

Bytes Header(std::uint32_t w, std::uint32_t h, std::uint8_t depth, std::uint8_t colour,
             std::uint8_t interlace = 0) {
    Bytes ihdr;
    PutBe32(ihdr, w);
    PutBe32(ihdr, h);
    ihdr.insert(ihdr.end(), {depth, colour, 0, 0, interlace});
    return ihdr;
}

int PaethOf(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

// An image of `w` x `h` pixels with `bpp` bytes each, row y filtered with filters[y % n].
struct Picture {
    std::uint32_t w = 5, h = 4;
    int bpp = 4;
    std::vector<int> filters{0, 1, 2, 3, 4};

    std::uint8_t Sample(std::uint32_t x, std::uint32_t y, int c) const {
        return static_cast<std::uint8_t>(x * 53 + y * 97 + static_cast<std::uint32_t>(c) * 31 +
                                         (x * y) % 7 * 40);
    }

    // The filtered scanlines, each behind its filter byte.
    Bytes Scanlines() const {
        Bytes out;
        const auto at = [&](std::int64_t x, std::int64_t y, int c) -> int {
            return x < 0 || y < 0
                       ? 0
                       : Sample(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), c);
        };
        for (std::uint32_t y = 0; y < h; ++y) {
            const int filter = filters[y % filters.size()];
            out.push_back(static_cast<std::uint8_t>(filter));
            for (std::uint32_t x = 0; x < w; ++x)
                for (int c = 0; c < bpp; ++c) {
                    const std::int64_t left = std::int64_t{x} - 1, up = std::int64_t{y} - 1;
                    const int a = at(left, y, c), b = at(x, up, c), d = at(left, up, c);
                    const int predicted[] = {0, a, b, (a + b) / 2, PaethOf(a, b, d)};
                    out.push_back(static_cast<std::uint8_t>(Sample(x, y, c) - predicted[filter]));
                }
        }
        return out;
    }

    // B, G, R(, A) rows as GDI+ holds them.
    Bytes Expected() const {
        Bytes out;
        for (std::uint32_t y = 0; y < h; ++y)
            for (std::uint32_t x = 0; x < w; ++x) {
                out.insert(out.end(), {Sample(x, y, 2), Sample(x, y, 1), Sample(x, y, 0)});
                if (bpp == 4)
                    out.push_back(Sample(x, y, 3));
            }
        return out;
    }
};

Bytes Compress(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    EXPECT_EQ(compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size())), Z_OK);
    out.resize(size);
    return out;
}

// A PNG of the picture, its zlib data in IDAT chunks of `piece` bytes (0: one chunk), with
// `extra` chunks put just before IEND.
Bytes Png(const Picture& p, std::size_t piece = 0, const Bytes& zdata = {},
          const std::vector<std::pair<const char*, Bytes>>& beforeEnd = {}) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", Header(p.w, p.h, 8, p.bpp == 4 ? 6 : 2));
    const Bytes z = zdata.empty() ? Compress(p.Scanlines()) : zdata;
    const std::size_t step = piece == 0 ? z.size() : piece;
    for (std::size_t i = 0; i < z.size(); i += step)
        PutChunk(out, "IDAT",
                 Bytes(z.begin() + static_cast<std::ptrdiff_t>(i),
                       z.begin() + static_cast<std::ptrdiff_t>(std::min(z.size(), i + step))));
    for (const auto& [type, data] : beforeEnd)
        PutChunk(out, type, data);
    PutChunk(out, "IEND", {});
    return out;
}

// Decodes into rows `pad` bytes wider than needed; the padding must stay untouched.
bool Decode(const Bytes& png, Bytes* pixels, std::size_t pad = 0) {
    PlainPngInfo info;
    if (!ReadPlainPngInfo(png.data(), png.size(), &info))
        return false;
    const std::size_t stride = info.RowBytes() + pad;
    Bytes target(stride * info.height, 0xEE);
    const bool ok = DecodePlainPng(png.data(), png.size(), info, target.data(),
                                   static_cast<std::ptrdiff_t>(stride));
    pixels->clear();
    for (std::uint32_t y = 0; y < info.height; ++y) {
        const auto row = target.begin() + static_cast<std::ptrdiff_t>(y * stride);
        pixels->insert(pixels->end(), row, row + static_cast<std::ptrdiff_t>(info.RowBytes()));
        for (std::size_t i = info.RowBytes(); i < stride; ++i)
            EXPECT_EQ(target[y * stride + i], 0xEE) << "padding of row " << y;
    }
    return ok;
}

TEST(PngDecodeTest, EveryFilterOnRgbAndRgbaGivesGdiplusByteOrder) {
    // Each filter also on the first row, where the row above counts as zeros.
    for (int bpp : {3, 4})
        for (int first = 0; first <= 4; ++first) {
            Picture p;
            p.bpp = bpp;
            p.filters = {first, (first + 1) % 5, (first + 2) % 5, (first + 3) % 5, (first + 4) % 5};
            p.h = 6;
            Bytes pixels;
            PlainPngInfo info;
            const Bytes png = Png(p);
            ASSERT_TRUE(ReadPlainPngInfo(png.data(), png.size(), &info));
            EXPECT_EQ(info.width, p.w);
            EXPECT_EQ(info.height, p.h);
            EXPECT_EQ(info.alpha, bpp == 4);
            ASSERT_TRUE(Decode(png, &pixels, 3)) << "bpp " << bpp << " first filter " << first;
            EXPECT_EQ(pixels, p.Expected()) << "bpp " << bpp << " first filter " << first;
        }
}

TEST(PngDecodeTest, DataSplitAcrossChunksAndEmptyDataChunks) {
    const Picture p;
    for (std::size_t piece : {1, 2, 7}) {
        Bytes pixels;
        ASSERT_TRUE(Decode(Png(p, piece, {}, {{"IDAT", {}}, {"IDAT", {}}}), &pixels)) << piece;
        EXPECT_EQ(pixels, p.Expected());
    }
}

TEST(PngDecodeTest, OtherFormsAreLeftToGdiplus) {
    const auto withHeader = [](const Bytes& ihdr, const char* extraType = nullptr) {
        Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        PutChunk(out, "IHDR", ihdr);
        if (extraType != nullptr)
            PutChunk(out, extraType, {0, 0, 0, 1});
        PutChunk(out, "IDAT", Compress(Picture().Scanlines()));
        PutChunk(out, "IEND", {});
        return out;
    };
    const std::vector<std::pair<std::string, Bytes>> cases = {
        {"palette", withHeader(Header(5, 4, 8, 3))},
        {"grey", withHeader(Header(5, 4, 8, 0))},
        {"grey and alpha", withHeader(Header(5, 4, 8, 4))},
        {"16 bits", withHeader(Header(5, 4, 16, 6))},
        {"interlaced", withHeader(Header(5, 4, 8, 6, 1))},
        {"zero width", withHeader(Header(0, 4, 8, 6))},
        {"too many pixels", withHeader(Header(1u << 13, (1u << 11) + 1, 8, 6))},
        {"negative size", withHeader(Header(0x80000000u, 1, 8, 6))},
        {"gamma", withHeader(Header(5, 4, 8, 6), "gAMA")},
        {"transparency", withHeader(Header(5, 4, 8, 2), "tRNS")},
        {"no signature",
         [] {
             Bytes png = Png(Picture());
             png[1] = 'p';
             return png;
         }()},
        {"empty", {}},
    };
    for (const auto& [name, png] : cases) {
        PlainPngInfo info;
        EXPECT_FALSE(ReadPlainPngInfo(png.data(), png.size(), &info)) << name;
    }
}

TEST(PngDecodeTest, DamagedFilesFail) {
    const Picture p;
    const Bytes scan = p.Scanlines();
    Bytes badFilter = scan;
    badFilter[0] = 5;
    Bytes badCrc = Png(p);
    badCrc[badCrc.size() - 20] ^= 0x01; // inside the IDAT data
    Bytes trailing = Png(p);
    trailing.push_back(0);
    const Bytes longer = [&] {
        Bytes more = scan;
        more.insert(more.end(), scan.begin(), scan.begin() + 1 + p.w * 4);
        return Compress(more);
    }();
    const Bytes shorter = Compress(Bytes(scan.begin(), scan.end() - 1));
    Bytes zdata = Compress(scan);
    zdata.push_back(0); // after the end of the zlib stream
    Bytes brokenStream = Compress(scan);
    brokenStream[brokenStream.size() - 1] ^= 0xFF; // the checksum
    const std::vector<std::pair<std::string, Bytes>> cases = {
        {"unknown filter", Png(p, 0, Compress(badFilter))},
        {"bad CRC", badCrc},
        {"bytes after IEND", trailing},
        {"more data than rows", Png(p, 0, longer)},
        {"fewer data than rows", Png(p, 0, shorter)},
        {"data after the stream", Png(p, 0, zdata)},
        {"stream checksum", Png(p, 0, brokenStream)},
        {"chunk between data and end", Png(p, 0, {}, {{"tEXt", {'a'}}})},
        {"data chunk with data after the stream", Png(p, 4, {}, {{"IDAT", {1}}})},
    };
    for (const auto& [name, png] : cases) {
        Bytes pixels;
        EXPECT_FALSE(Decode(png, &pixels)) << name;
    }
    // Every cut of a good file fails without reading past the end (ASan watches).
    const Bytes good = Png(p, 3);
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        const Bytes part(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
        Bytes pixels;
        EXPECT_FALSE(Decode(part, &pixels)) << "cut at " << cut;
    }
}

TEST(PngDecodeTest, HeaderGivenMustMatchTheFile) {
    const Bytes png = Png(Picture());
    Bytes target(5 * 4 * 4);
    for (const PlainPngInfo wrong :
         {PlainPngInfo{4, 4, true}, PlainPngInfo{5, 3, true}, PlainPngInfo{5, 4, false}})
        EXPECT_FALSE(DecodePlainPng(png.data(), png.size(), wrong, target.data(), 20));
    EXPECT_TRUE(DecodePlainPng(png.data(), png.size(), {5, 4, true}, target.data(), 20));
}

} // namespace
} // namespace halvane
