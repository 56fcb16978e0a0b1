"""Drawing helpers shared by the art generator: palette, supersampled shapes, text, alpha ramps."""

from PIL import Image, ImageDraw, ImageFont

FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
SS = 4  # shapes are drawn this many times larger, then box-filtered down for clean edges

# One accent colour on a light, calm surface.
ACCENT = (47, 116, 224)
ACCENT_HOVER = (78, 142, 238)
ACCENT_PRESSED = (30, 88, 182)
ACCENT_TINT = (234, 242, 253)
ACCENT_TINT_PRESSED = (210, 226, 250)
HEADER_TOP = (36, 98, 204)
HEADER_BOTTOM = (66, 142, 238)
WHITE = (255, 255, 255)
SURFACE = (246, 248, 251)
BORDER = (206, 214, 226)
TEXT = (38, 50, 66)
TEXT_MUTED = (112, 123, 138)
DISABLED_FILL = (214, 218, 224)
DISABLED_BORDER = (190, 196, 205)
DISABLED_TEXT = (150, 157, 168)
SHADOW = (22, 34, 54)

_fonts = {}


def font(px):
    key = px
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(FONT_FILE, px, index=0,
                                         layout_engine=ImageFont.Layout.BASIC)
    return _fonts[key]


def rgba(rgb, a=255):
    return (rgb[0], rgb[1], rgb[2], a)


def mix(a, b, t):
    """Colour t of the way from a to b."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


class Canvas:
    """An RGBA picture drawn at SS times its size and reduced on finish()."""

    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), fill)
        self.d = ImageDraw.Draw(self.img)

    @staticmethod
    def _box(box):
        x0, y0, x1, y1 = box
        return (round(x0 * SS), round(y0 * SS), round(x1 * SS) - 1, round(y1 * SS) - 1)

    def rect(self, box, fill):
        self.d.rectangle(self._box(box), fill=fill)

    def rounded(self, box, radius, fill=None, outline=None, width=1.0):
        self.d.rounded_rectangle(self._box(box), radius=round(radius * SS), fill=fill,
                                 outline=outline, width=max(1, round(width * SS)))

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        self.d.ellipse(self._box(box), fill=fill, outline=outline,
                       width=max(1, round(width * SS)))

    def polygon(self, points, fill):
        self.d.polygon([(round(x * SS), round(y * SS)) for x, y in points], fill=fill)

    def line(self, points, fill, width=1.0):
        self.d.line([(round(x * SS), round(y * SS)) for x, y in points], fill=fill,
                    width=max(1, round(width * SS)), joint="curve")

    def overlay(self, layer):
        """Composites another canvas of the same size over this one."""
        self.img = Image.alpha_composite(self.img, layer.img)
        self.d = ImageDraw.Draw(self.img)

    def finish(self):
        return self.img.convert("RGBa").reduce(SS).convert("RGBA")


def vertical_gradient(w, h, top, bottom):
    img = Image.new("RGBA", (w, h))
    for y in range(h):
        c = mix(top, bottom, y / max(1, h - 1))
        img.paste(rgba(c), (0, y, w, y + 1))
    return img


def text_mask(s, px):
    """Coverage mask of a text, rendered at its final size so the glyphs keep their hinting."""
    f = font(px)
    l, t, r, b = f.getbbox(s)
    mask = Image.new("L", (r - l + 4, b - t + 4), 0)
    ImageDraw.Draw(mask).text((2 - l, 2 - t), s, font=f, fill=255)
    return mask


def draw_text(img, s, px, centre, colour):
    """Draws s with its ink centred on centre (x, y) in img (RGBA, 1x)."""
    mask = text_mask(s, px)
    bbox = mask.getbbox() or (0, 0, mask.width, mask.height)
    ink_w, ink_h = bbox[2] - bbox[0], bbox[3] - bbox[1]
    x = int(round(centre[0] - ink_w / 2.0)) - bbox[0]
    y = int(round(centre[1] - ink_h / 2.0)) - bbox[1]
    place_mask(img, mask, (x, y), colour)


def draw_text_left(img, s, px, left, centre_y, colour):
    mask = text_mask(s, px)
    bbox = mask.getbbox() or (0, 0, mask.width, mask.height)
    x = left - bbox[0]
    y = int(round(centre_y - (bbox[3] - bbox[1]) / 2.0)) - bbox[1]
    place_mask(img, mask, (x, y), colour)
    return left + bbox[2] - bbox[0]


def place_mask(img, mask, pos, colour):
    layer = Image.new("RGBA", img.size, rgba(colour, 0))
    solid = Image.new("RGBA", mask.size, rgba(colour))
    holder = Image.new("L", img.size, 0)
    holder.paste(mask, pos)
    layer.paste(solid, pos)
    layer.putalpha(holder)
    img.alpha_composite(layer)


def ramp(distance, inset):
    """Alpha of a shadow edge: nearly 0 at the outer pixel, opaque from the inset on."""
    if distance >= inset:
        return 255
    t = (distance + 1) / (inset + 1)
    return max(1, int(round(255 * t * t)))


def frame_alpha(w, h, insets):
    """Alpha mask that fades in over the insets (left, top, right, bottom)."""
    left, top, right, bottom = insets
    ax = [min(ramp(x, left), ramp(w - 1 - x, right)) for x in range(w)]
    ay = [min(ramp(y, top), ramp(h - 1 - y, bottom)) for y in range(h)]
    mask = Image.new("L", (w, h))
    mask.putdata([ax[x] * ay[y] // 255 for y in range(h) for x in range(w)])
    return mask


def opaque_rgb(img):
    """Drops the alpha channel of a picture that is opaque everywhere."""
    assert img.getextrema()[3][0] == 255, "picture meant to be opaque has transparent pixels"
    return img.convert("RGB")
