#!/usr/bin/python3
"""Writes every skin picture of Halvane into res/: png/138.png ... png/195.png, scrollbar.bmp and
Halvane.ico. The output is deterministic and committed, so the build never runs this.

Usage: tools/artgen/artgen.py [RES_DIR] [--sheet CONTACT_SHEET.png]"""

import os
import sys

from PIL import Image

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import buttons as b  # noqa: E402
import draw as d  # noqa: E402
import icon  # noqa: E402
import scrollbar  # noqa: E402
import skins  # noqa: E402

# Identifier -> (width, height, has alpha); every picture is checked against this before saving.
TABLE = {138: (410, 611, True), 139: (400, 600, False), 140: (48, 16, True),
         145: (232, 132, True), 146: (204, 104, True), 159: (330, 150, True),
         160: (320, 140, False), 176: (410, 479, True), 177: (400, 468, True),
         191: (541, 402, True)}
for first, size, alpha in [(141, (26, 34), False), (147, (26, 34), False), (151, (266, 60), True),
                           (155, (58, 18), False), (161, (55, 24), False), (164, (12, 12), False),
                           (167, (55, 24), False), (170, (55, 24), False), (173, (55, 24), False),
                           (178, (12, 12), False), (183, (246, 47), False), (187, (266, 60), True),
                           (192, (266, 60), True)]:
    count = 3 if 161 <= first <= 175 else 4
    for i in range(count):
        TABLE[first + i] = (size[0], size[1], alpha)


def pictures():
    panel = skins.panel_background()
    prompt = skins.prompt_background()
    feedback = skins.feedback_background()
    out = {138: skins.main_frame(), 139: panel, 140: b.checkbox_strip(),
           145: skins.progress_frame(), 146: skins.progress_background(),
           159: skins.prompt_frame(), 160: prompt, 176: skins.feedback_frame(),
           177: feedback, 191: skins.tooltip_background()}

    def run(first, images):
        for i, img in enumerate(images):
            out[first + i] = img

    run(141, b.cross_buttons(panel.crop(skins.PANEL_CLOSE), (13, 17), 10, b.STATES))
    run(147, b.minimise_buttons(panel.crop(skins.PANEL_MINIMISE)))
    run(155, b.more_tools_buttons(panel))
    run(183, b.set_buttons(panel))
    run(161, b.prompt_buttons("取消", b.SECONDARY))
    run(167, b.prompt_buttons("否", b.SECONDARY))
    run(170, b.prompt_buttons("确认", b.PRIMARY))
    run(173, b.prompt_buttons("是", b.PRIMARY))
    caption = Image.new("RGB", (12, 12), d.ACCENT)
    run(164, b.cross_buttons(caption, (6, 6), 6, b.STATES[:3]))
    run(178, b.cross_buttons(feedback.crop(skins.FEEDBACK_CLOSE), (6, 6), 6, b.STATES))
    run(187, b.feedback_buttons("解决", b.PRIMARY))
    run(192, b.feedback_buttons("未解决", b.SECONDARY))
    run(151, b.feedback_buttons("更多方案", b.QUIET))
    return out


def check(ident, img):
    w, h, alpha = TABLE[ident]
    assert img.size == (w, h), f"{ident}: {img.size} instead of {(w, h)}"
    assert img.mode == ("RGBA" if alpha else "RGB"), f"{ident}: mode {img.mode}"


def contact_sheet(images, path):
    """Every picture on a grey ground with its identifier, for a look by eye."""
    pad, col_w = 8, 560
    cols = [[], []]
    heights = [0, 0]
    for ident in sorted(images):
        c = 0 if heights[0] <= heights[1] else 1
        cols[c].append(ident)
        heights[c] += images[ident].height + 22
    sheet = Image.new("RGBA", (2 * col_w + 3 * pad, max(heights) + 2 * pad), (150, 156, 166, 255))
    for c, idents in enumerate(cols):
        y = pad
        for ident in idents:
            x = pad + c * (col_w + pad)
            d.draw_text_left(sheet, str(ident), 12, x, y + 7, (20, 20, 20))
            sheet.alpha_composite(images[ident].convert("RGBA"), (x, y + 16))
            y += images[ident].height + 22
    sheet.convert("RGB").save(path)


def main(argv):
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res")
    sheet = None
    args = list(argv)
    if "--sheet" in args:
        i = args.index("--sheet")
        sheet = args[i + 1]
        del args[i:i + 2]
    if args:
        res = args[0]
    images = pictures()
    assert sorted(images) == sorted(TABLE), "picture set differs from the table"
    os.makedirs(os.path.join(res, "png"), exist_ok=True)
    for ident, img in sorted(images.items()):
        check(ident, img)
        img.save(os.path.join(res, "png", f"{ident}.png"), "PNG", optimize=False)
    scrollbar.scrollbar_skin().save(os.path.join(res, "scrollbar.bmp"), "BMP")
    with open(os.path.join(res, "Halvane.ico"), "wb") as f:
        f.write(icon.build_ico())
    if sheet:
        bar = scrollbar.scrollbar_skin().convert("RGBA").resize((117 * 4, 39 * 4), Image.NEAREST)
        extra = dict(images)
        extra[182] = bar
        extra[128] = Image.open(os.path.join(res, "Halvane.ico")).convert("RGBA")
        contact_sheet(extra, sheet)


if __name__ == "__main__":
    main(sys.argv[1:])
