"""The application icon: a white power bolt on a blue rounded square, in 13 images."""

import io
import struct

from PIL import Image

import draw as d
from skins import bolt

# (size, bits per pixel) in file order: 4-bit, 8-bit, then 32-bit images.
ENTRIES = [(16, 4), (32, 4), (16, 8), (32, 8), (48, 8),
           (16, 32), (20, 32), (24, 32), (32, 32), (40, 32), (48, 32), (64, 32), (256, 32)]


def master(size):
    """The artwork drawn for one size, so small sizes keep a bold bolt."""
    s = float(size)
    art = d.Canvas(size, size)
    m = max(0.5, s / 32.0)
    art.rounded((m, m, s - m, s - m), s * 0.2, fill=d.rgba(d.ACCENT))
    top = d.Canvas(size, size)
    top.rounded((m, m, s - m, s * 0.55), s * 0.2, fill=(255, 255, 255, 26))
    art.overlay(top)
    inset = s * (0.2 if size <= 20 else 0.22)
    bolt(art, (inset, inset * 0.9, s - inset, s - inset * 0.9), d.rgba(d.WHITE))
    return art.finish()


def _rows_bottom_up(rows):
    return b"".join(reversed(rows))


def _pad4(b):
    return b + b"\0" * (-len(b) % 4)


def _and_mask(img):
    rows = []
    alpha = img.getchannel("A")
    for y in range(img.height):
        bits = 0
        row = bytearray()
        for x in range(img.width):
            bits = (bits << 1) | (1 if alpha.getpixel((x, y)) < 128 else 0)
            if x % 8 == 7:
                row.append(bits)
                bits = 0
        if img.width % 8:
            row.append(bits << (8 - img.width % 8))
        rows.append(_pad4(bytes(row)))
    return _rows_bottom_up(rows)


def _indexed_dib(img, bits):
    size = img.width
    # Each image carries its own palette, picked from the artwork itself; index 0 stays black
    # so that masked-out pixels leave the screen untouched.
    colours = 1 << bits
    opaque = img.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    flat = Image.new("RGB", img.size, d.ACCENT)
    flat.paste(img.convert("RGB"), (0, 0), opaque)
    q = flat.quantize(colors=colours - 1, method=Image.Quantize.MEDIANCUT,
                      dither=Image.Dither.NONE)
    raw = q.getpalette()[:3 * (colours - 1)]
    picked = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
    palette = [(0, 0, 0)] + picked + [(0, 0, 0)] * (colours - 1 - len(picked))
    rows = []
    for y in range(size):
        idx = []
        for x in range(size):
            a = img.getpixel((x, y))[3]
            idx.append(0 if a < 128 else 1 + q.getpixel((x, y)))
        if bits == 4:
            packed = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, size, 2))
        else:
            packed = bytes(idx)
        rows.append(_pad4(packed))
    xor = _rows_bottom_up(rows)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return quads, xor


def _dib(img, bits):
    size = img.width
    if bits == 32:
        rows = []
        for y in range(size):
            row = bytearray()
            for x in range(size):
                r, g, b, a = img.getpixel((x, y))
                row += bytes((b, g, r, a))
            rows.append(bytes(row))
        colours, xor = b"", _rows_bottom_up(rows)
    else:
        colours, xor = _indexed_dib(img, bits)
    mask = _and_mask(img)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + colours + xor + mask


def _png(img):
    out = io.BytesIO()
    img.save(out, "PNG", optimize=False)
    return out.getvalue()


def build_ico():
    images = []
    for size, bits in ENTRIES:
        img = master(size)
        images.append(_png(img) if size == 256 else _dib(img, bits))
    header = struct.pack("<HHH", 0, 1, len(ENTRIES))
    offset = len(header) + 16 * len(ENTRIES)
    directory = b""
    for (size, bits), data in zip(ENTRIES, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bits == 4 else 0, 0,
                                 1, bits, len(data), offset)
        offset += len(data)
    return header + directory + b"".join(images)
