"""Button pictures: four states each (normal, hover, pressed, disabled); the caption is part of
the picture. Opaque buttons are drawn over the piece of their owner's background they cover."""

from PIL import Image

import draw as d
import skins

STATES = ("normal", "hover", "pressed", "disabled")

# Fill, border and caption colours per look and state.
PRIMARY = {
    "normal": (d.ACCENT, d.ACCENT, d.WHITE),
    "hover": (d.ACCENT_HOVER, d.ACCENT_HOVER, d.WHITE),
    "pressed": (d.ACCENT_PRESSED, d.ACCENT_PRESSED, d.WHITE),
    "disabled": (d.DISABLED_FILL, d.DISABLED_FILL, d.DISABLED_TEXT),
}
SECONDARY = {
    "normal": (d.WHITE, d.ACCENT, d.ACCENT),
    "hover": (d.ACCENT_TINT, d.ACCENT_HOVER, d.ACCENT_HOVER),
    "pressed": (d.ACCENT_TINT_PRESSED, d.ACCENT_PRESSED, d.ACCENT_PRESSED),
    "disabled": (d.WHITE, d.DISABLED_BORDER, d.DISABLED_TEXT),
}
QUIET = {
    "normal": (d.SURFACE, d.BORDER, d.TEXT),
    "hover": (d.ACCENT_TINT, d.ACCENT_HOVER, d.ACCENT),
    "pressed": (d.ACCENT_TINT_PRESSED, d.ACCENT_PRESSED, d.ACCENT_PRESSED),
    "disabled": (d.SURFACE, d.DISABLED_BORDER, d.DISABLED_TEXT),
}


def face_button(base, caption, px, look, state, radius, inset=(0, 0, 0, 0), shadow=False):
    """A rounded face with its caption over base (RGBA); inset leaves a rim around the face."""
    w, h = base.size
    fill, border, ink = look[state]
    l, t, r, b = inset
    art = d.Canvas(w, h)
    if shadow and state != "disabled":
        art.rounded((l + 0.5, t + 2, w - r - 0.5, h - b + 2), radius + 1, fill=(22, 34, 54, 28))
    art.rounded((l, t, w - r, h - b), radius, fill=d.rgba(fill), outline=d.rgba(border))
    img = base.copy()
    img.alpha_composite(art.finish())
    shift = 1 if state == "pressed" else 0
    d.draw_text(img, caption, px, ((l + w - r) / 2.0, (t + h - b) / 2.0 + shift), ink)
    return img


def set_buttons(panel):
    base = panel.convert("RGBA").crop(skins.PANEL_SET)
    return [d.opaque_rgb(face_button(base, "设置", 18, PRIMARY, s, 6, (0, 2, 0, 3)))
            for s in STATES]


def more_tools_buttons(panel):
    base = panel.convert("RGBA").crop(skins.PANEL_MORE_TOOLS)
    out = []
    for s in STATES:
        ink = {"normal": d.ACCENT, "hover": d.ACCENT_HOVER, "pressed": d.ACCENT_PRESSED,
               "disabled": d.DISABLED_TEXT}[s]
        img = base.copy()
        if s == "pressed":
            img.paste(d.rgba(d.ACCENT_TINT), (0, 0, 58, 18))
        d.draw_text(img, "更多工具", 12, (29, 9), ink)
        if s == "hover":
            img.paste(d.rgba(ink), (5, 16, 53, 17))  # underline, as a link would show
        out.append(d.opaque_rgb(img))
    return out


def prompt_buttons(caption, look):
    """Three pictures (normal, hover, pressed) of a 55 x 24 prompt button on the white body."""
    base = Image.new("RGBA", (55, 24), d.rgba(d.WHITE))
    return [d.opaque_rgb(face_button(base, caption, 13, look, s, 4)) for s in STATES[:3]]


def feedback_buttons(caption, look):
    """266 x 60 pictures: a rounded face inside a transparent rim of 9 pixels."""
    base = Image.new("RGBA", (266, 60), (0, 0, 0, 0))
    return [face_button(base, caption, 17, look, s, 8, (9, 9, 9, 9), shadow=True) for s in STATES]


def _tile_overlay(img, state, radius):
    art = d.Canvas(*img.size)
    w, h = img.size
    if state == "hover":
        art.rounded((0, 0, w, h), radius, fill=(255, 255, 255, 46))
    elif state == "pressed":
        art.rounded((0, 0, w, h), radius, fill=(0, 20, 60, 56))
    img.alpha_composite(art.finish())


def _mark_colour(state):
    return (178, 188, 204) if state == "disabled" else d.WHITE


def cross_buttons(base, centre, size, states, radius=3):
    """A white cross on the caption colour; hover lightens, pressed darkens, disabled greys."""
    w, h = base.size
    cx, cy = centre
    out = []
    for s in states:
        img = base.convert("RGBA").copy()
        _tile_overlay(img, s, radius)
        art = d.Canvas(w, h)
        half = size / 2.0
        width = 1.6 if size > 8 else 1.3
        art.line([(cx - half, cy - half), (cx + half, cy + half)], d.rgba(_mark_colour(s)), width)
        art.line([(cx - half, cy + half), (cx + half, cy - half)], d.rgba(_mark_colour(s)), width)
        img.alpha_composite(art.finish())
        out.append(d.opaque_rgb(img))
    return out


def minimise_buttons(base):
    out = []
    for s in STATES:
        img = base.convert("RGBA").copy()
        _tile_overlay(img, s, 3)
        img.paste(d.rgba(_mark_colour(s)), (8, 17, 18, 19))
        out.append(d.opaque_rgb(img))
    return out


def checkbox_strip():
    """48 x 16, opaque RGBA: an empty box, a ticked box, a box holding a filled square."""
    art = d.Canvas(48, 16, d.rgba(d.WHITE))
    art.rounded((1.5, 1.5, 14.5, 14.5), 2.5, fill=d.rgba(d.WHITE), outline=d.rgba((138, 150, 168)),
                width=1.2)
    art.rounded((17.5, 1.5, 30.5, 14.5), 2.5, fill=d.rgba(d.ACCENT), outline=d.rgba(d.ACCENT),
                width=1.2)
    art.line([(20.5, 8.2), (23.3, 11.0), (28.0, 5.0)], d.rgba(d.WHITE), 1.8)
    art.rounded((33.5, 1.5, 46.5, 14.5), 2.5, fill=d.rgba(d.WHITE), outline=d.rgba(d.ACCENT),
                width=1.2)
    art.rounded((36.5, 4.5, 43.5, 11.5), 1.2, fill=d.rgba(d.ACCENT))
    return art.finish()
