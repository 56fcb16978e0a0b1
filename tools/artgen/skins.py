"""Window skins: the layered frames and the inner backgrounds."""

from PIL import Image

import draw as d

# Rectangles of the main panel that other pictures are cut from (panel pixels).
PANEL_CLOSE = (368, 0, 394, 34)
PANEL_MINIMISE = (340, 0, 366, 34)
PANEL_SET = (77, 309, 323, 356)
PANEL_MORE_TOOLS = (50, 545, 108, 563)
HEADER_HEIGHT = 300
FEEDBACK_CLOSE = (382, 6, 394, 18)
CAPTION = 30

BOLT = [(0.58, 0.02), (0.22, 0.56), (0.47, 0.56), (0.38, 0.98), (0.80, 0.42), (0.55, 0.42),
        (0.70, 0.02)]


def bolt(canvas, box, fill):
    x0, y0, x1, y1 = box
    canvas.polygon([(x0 + (x1 - x0) * u, y0 + (y1 - y0) * v) for u, v in BOLT], fill)


def frame(w, h, insets, face):
    """A layered window's skin: opaque face inside the insets, a soft shadow fading out around."""
    left, top, right, bottom = insets
    img = Image.new("RGBA", (w, h), d.rgba(d.SHADOW))
    img.paste(d.rgba(face), (left, top, w - right, h - bottom))
    img.putalpha(d.frame_alpha(w, h, insets))
    return img


def main_frame():
    return frame(410, 611, (5, 4, 5, 7), d.WHITE)


def progress_frame():
    return frame(232, 132, (14, 12, 14, 16), d.ACCENT)


def prompt_frame():
    return frame(330, 150, (5, 3, 5, 7), d.WHITE)


def feedback_frame():
    return frame(410, 479, (5, 4, 5, 7), d.WHITE)


def panel_background():
    w, h = 400, 600
    img = Image.new("RGBA", (w, h), d.rgba(d.WHITE))
    img.paste(d.vertical_gradient(w, HEADER_HEIGHT, d.HEADER_TOP, d.HEADER_BOTTOM), (0, 0))

    art = d.Canvas(w, h)
    # Two faint rings give the header some depth without competing with the text.
    art.ellipse((250, -90, 470, 130), outline=(255, 255, 255, 22), width=18)
    art.ellipse((-70, 170, 90, 330), outline=(255, 255, 255, 16), width=12)
    # Title strip: app mark and name.
    art.ellipse((12, 7, 30, 25), fill=(255, 255, 255, 255))
    bolt(art, (15.5, 9.5, 26.5, 22.5), d.rgba(d.HEADER_TOP))
    # Central mark: a power bolt in a ring.
    art.ellipse((148, 66, 252, 170), fill=(255, 255, 255, 30))
    art.ellipse((156, 74, 244, 162), outline=(255, 255, 255, 255), width=4)
    bolt(art, (174, 88, 226, 148), (255, 255, 255, 255))
    # Mode overview card in the lower part.
    art.rounded((24, 372, 376, 532), 8, fill=d.rgba(d.SURFACE), outline=d.rgba(d.BORDER))
    dots = [d.mix(d.ACCENT, d.WHITE, 0.55), d.mix(d.ACCENT, d.WHITE, 0.3), d.ACCENT,
            d.ACCENT_PRESSED]
    for i, colour in enumerate(dots):
        cy = 392 + i * 40
        art.ellipse((40, cy - 5, 50, cy + 5), fill=d.rgba(colour))
    for i in range(1, 4):
        y = 372 + i * 40
        art.rect((40, y, 360, y + 1), fill=d.rgba(d.mix(d.BORDER, d.SURFACE, 0.4)))
    art.rect((8, 568, 392, 569), fill=d.rgba((232, 236, 242)))
    img.alpha_composite(art.finish())

    d.draw_text_left(img, "霁衡", 15, 36, 16, d.WHITE)
    d.draw_text_left(img, "版本", 12, 158, 23, d.mix(d.WHITE, d.HEADER_TOP, 0.15))
    d.draw_text(img, "一键切换电源模式", 20, (200, 196), d.WHITE)
    d.draw_text(img, "选择模式后点击“设置”即可生效", 12, (200, 222),
                d.mix(d.WHITE, d.HEADER_BOTTOM, 0.2))
    modes = [("节能模式", "降低性能，延长电池续航"), ("平衡模式", "兼顾性能与能耗"),
             ("高性能模式", "优先保证运行速度"), ("卓越性能模式", "充分发挥硬件性能")]
    for i, (name, note) in enumerate(modes):
        cy = 392 + i * 40
        d.draw_text_left(img, name, 13, 60, cy, d.TEXT)
        d.draw_text_left(img, note, 12, 160, cy, d.TEXT_MUTED)
    return d.opaque_rgb(img)


def caption_background(w, h, title):
    """Dialog face: an accent caption strip with a white title over a white body."""
    img = Image.new("RGBA", (w, h), d.rgba(d.WHITE))
    img.paste(d.rgba(d.ACCENT), (0, 0, w, CAPTION))
    d.draw_text_left(img, title, 14, 12, CAPTION // 2, d.WHITE)
    return img


def prompt_background():
    img = caption_background(320, 140, "提示")
    img.paste(d.rgba((236, 240, 245)), (0, 100, 320, 101))
    return d.opaque_rgb(img)


def feedback_background():
    img = caption_background(400, 468, "问题反馈")
    d.draw_text(img, "您遇到的问题是否已经解决？", 18, (200, 88), d.TEXT)
    d.draw_text(img, "请告诉我们结果，帮助我们改进工具", 12, (200, 118), d.TEXT_MUTED)
    d.draw_text(img, "仍未解决？点击“更多方案”查看更多解决办法", 12, (200, 412), d.TEXT_MUTED)
    return img  # carries an alpha channel, opaque everywhere


def progress_background():
    img = d.vertical_gradient(204, 104, d.mix(d.ACCENT, d.WHITE, 0.08), d.ACCENT)
    art = d.Canvas(204, 104)
    art.ellipse((170, -30, 250, 50), fill=(255, 255, 255, 18))
    img.alpha_composite(art.finish())
    # The text band (10, 32)-(194, 72) stays calm so the white text reads well.
    return img


def tooltip_background():
    """Agreement skin: a light sheet with a 1-pixel border and a shadow below.

    The inner shows (0, 0)-(540, 384) of it; the outer's one-pixel right edge and its bottom
    rows show the rest, so those fade out."""
    w, h = 541, 402
    sheet_w, sheet_h = 540, 384
    img = Image.new("RGBA", (w, h), d.rgba(d.SHADOW, 0))
    img.paste(d.rgba(d.BORDER), (0, 0, sheet_w, sheet_h))
    img.paste(d.rgba(d.SURFACE), (1, 1, sheet_w, sheet_h))
    img.paste(d.rgba(d.BORDER, d.ramp(0, 1)), (sheet_w, 0, w, sheet_h))
    for y in range(sheet_h, h):
        a = d.ramp(h - 1 - y, h - sheet_h)
        img.paste(d.rgba(d.SHADOW, a), (0, y, w, y + 1))
    return img
