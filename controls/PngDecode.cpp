#include "controls/PngDecode.h"

#define ZLIB_CONST
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace halvane {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Far beyond any skin; a larger picture goes to GDI+.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 24;

constexpr std::uint32_t Tag(const char (&name)[5]) noexcept {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[3]));
}

std::uint32_t ReadBe32(const std::uint8_t* p) noexcept {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

struct Chunk {
    std::uint32_t type = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
};

// The chunks after the signature, each with its CRC checked.
class ChunkReader {
public:
    ChunkReader(const std::uint8_t* begin, const std::uint8_t* end) noexcept
        : m_next(begin), m_end(end) {}

    bool Next(Chunk* chunk) noexcept {
        const auto left = static_cast<std::size_t>(m_end - m_next);
        if (left < 12)
            return false;
        const std::uint32_t length = ReadBe32(m_next);
        if (length > 0x7FFFFFFFu || length > left - 12)
            return false;
        const uLong crc = crc32(crc32(0, nullptr, 0), m_next + 4, length + 4);
        if (crc != ReadBe32(m_next + 8 + length))
            return false;
        *chunk = {ReadBe32(m_next + 4), m_next + 8, length};
        m_next += std::size_t{12} + length;
        return true;
    }

    bool AtEnd() const noexcept { return m_next == m_end; }

private:
    const std::uint8_t* m_next;
    const std::uint8_t* m_end;
};

bool ReadHeader(ChunkReader& reader, PlainPngInfo* info) noexcept {
    Chunk chunk;
    if (!reader.Next(&chunk) || chunk.type != Tag("IHDR") || chunk.length != 13)
        return false;
    const std::uint8_t* header = chunk.data;
    const std::uint32_t width = ReadBe32(header);
    const std::uint32_t height = ReadBe32(header + 4);
    const std::uint8_t depth = header[8], colour = header[9];
    // The pixel bound also keeps each side far below PNG's 2^31 limit.
    if (width == 0 || height == 0 || std::uint64_t{width} * height > kMaxPixels || depth != 8 ||
        (colour != 2 && colour != 6) || header[10] != 0 || header[11] != 0 || header[12] != 0)
        return false;
    *info = {width, height, colour == 6};
    return true;
}

// The image data: the zlib stream across consecutive IDAT chunks, read a row at a time.
class IdatStream {
public:
    IdatStream(ChunkReader& reader, const Chunk& first) noexcept : m_reader(reader) {
        m_ok = inflateInit(&m_z) == Z_OK;
        m_z.next_in = first.data;
        m_z.avail_in = first.length;
    }
    ~IdatStream() {
        if (m_ok)
            inflateEnd(&m_z);
    }
    IdatStream(const IdatStream&) = delete;
    IdatStream& operator=(const IdatStream&) = delete;

    bool Ok() const noexcept { return m_ok; }

    // Exactly `size` more bytes.
    bool Read(std::uint8_t* out, std::size_t size) noexcept {
        m_z.next_out = out;
        m_z.avail_out = static_cast<uInt>(size);
        while (m_z.avail_out > 0) {
            if (m_ended || !Inflate())
                return false;
        }
        return true;
    }

    // The stream ends here, with no data after it, and only empty IDAT chunks before IEND.
    bool Finish() noexcept {
        std::uint8_t surplus = 0;
        while (!m_ended) {
            m_z.next_out = &surplus;
            m_z.avail_out = 1;
            if (!Inflate() || m_z.avail_out == 0)
                return false;
        }
        if (m_z.avail_in != 0)
            return false;
        Chunk chunk;
        while (m_reader.Next(&chunk)) {
            if (chunk.type == Tag("IEND"))
                return chunk.length == 0 && m_reader.AtEnd();
            if (chunk.type != Tag("IDAT") || chunk.length != 0)
                return false;
        }
        return false;
    }

private:
    // One inflate step, taking the next non-empty IDAT chunk when the input has run out.
    bool Inflate() noexcept {
        while (m_z.avail_in == 0) {
            Chunk chunk;
            if (!m_reader.Next(&chunk) || chunk.type != Tag("IDAT"))
                return false;
            m_z.next_in = chunk.data;
            m_z.avail_in = chunk.length;
        }
        const int result = inflate(&m_z, Z_NO_FLUSH);
        m_ended = result == Z_STREAM_END;
        return result == Z_OK || m_ended;
    }

    ChunkReader& m_reader;
    z_stream m_z{};
    bool m_ok = false;
    bool m_ended = false;
};

int Paeth(int a, int b, int c) noexcept {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Undoes one row's filter in place; `up` is the row above (zeros above the first).
template <std::size_t Bpp>
bool UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* up,
                 std::size_t rowBytes) noexcept {
    std::size_t i = 0;
    switch (filter) {
    case 0:
        return true;
    case 1:
        for (i = Bpp; i < rowBytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + row[i - Bpp]);
        return true;
    case 2:
        for (; i < rowBytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + up[i]);
        return true;
    case 3:
        for (; i < Bpp; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + up[i] / 2);
        for (; i < rowBytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + (row[i - Bpp] + up[i]) / 2);
        return true;
    case 4:
        for (; i < Bpp; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + up[i]);
        for (; i < rowBytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + Paeth(row[i - Bpp], up[i], up[i - Bpp]));
        return true;
    default:
        return false;
    }
}

// RGB(A) to GDI+'s B, G, R(, A).
template <std::size_t Bpp>
void StoreRow(const std::uint8_t* row, std::size_t rowBytes, std::uint8_t* target) noexcept {
    for (std::size_t i = 0; i < rowBytes; i += Bpp) {
        target[i] = row[i + 2];
        target[i + 1] = row[i + 1];
        target[i + 2] = row[i];
        if (Bpp == 4)
            target[i + 3] = row[i + 3];
    }
}

template <std::size_t Bpp>
bool DecodeRows(IdatStream& stream, const PlainPngInfo& info, std::uint8_t* target,
                std::ptrdiff_t stride) noexcept {
    // Two lines of a filter byte and a row: the one being decoded and the one above it.
    const std::size_t rowBytes = info.RowBytes();
    const std::size_t lineBytes = rowBytes + 1;
    std::unique_ptr<std::uint8_t[]> lines(new (std::nothrow) std::uint8_t[2 * lineBytes]);
    if (!lines)
        return false;
    std::uint8_t* above = lines.get();
    std::uint8_t* line = above + lineBytes;
    std::memset(above, 0, lineBytes);
    for (std::uint32_t y = 0; y < info.height; ++y) {
        if (!stream.Read(line, lineBytes) ||
            !UnfilterRow<Bpp>(line[0], line + 1, above + 1, rowBytes))
            return false;
        StoreRow<Bpp>(line + 1, rowBytes, target + static_cast<std::ptrdiff_t>(y) * stride);
        std::swap(above, line);
    }
    return stream.Finish();
}

bool HasSignature(const std::uint8_t* bytes, std::size_t size) noexcept {
    return bytes != nullptr && size >= sizeof(kSignature) &&
           std::memcmp(bytes, kSignature, sizeof(kSignature)) == 0;
}

} // namespace

bool ReadPlainPngInfo(const std::uint8_t* bytes, std::size_t size, PlainPngInfo* info) noexcept {
    if (info == nullptr || !HasSignature(bytes, size))
        return false;
    ChunkReader reader(bytes + sizeof(kSignature), bytes + size);
    PlainPngInfo header;
    if (!ReadHeader(reader, &header))
        return false;
    // Any other chunk after the header (a palette, gamma, transparency, text, ...) leaves the
    // file to GDI+.
    Chunk chunk;
    if (!reader.Next(&chunk) || chunk.type != Tag("IDAT"))
        return false;
    *info = header;
    return true;
}

bool DecodePlainPng(const std::uint8_t* bytes, std::size_t size, const PlainPngInfo& info,
                    std::uint8_t* target, std::ptrdiff_t stride) noexcept {
    if (target == nullptr || !HasSignature(bytes, size))
        return false;
    ChunkReader reader(bytes + sizeof(kSignature), bytes + size);
    PlainPngInfo header;
    Chunk chunk;
    if (!ReadHeader(reader, &header) || header.width != info.width ||
        header.height != info.height || header.alpha != info.alpha || !reader.Next(&chunk) ||
        chunk.type != Tag("IDAT"))
        return false;
    IdatStream stream(reader, chunk);
    if (!stream.Ok())
        return false;
    return info.alpha ? DecodeRows<4>(stream, info, target, stride)
                      : DecodeRows<3>(stream, info, target, stride);
}

} // namespace halvane
