#!/usr/bin/env python3
"""The project's pictures that no designer drew: button state sets, thumbs, backgrounds and the
like, drawn by code so that they can be rebuilt and checked.

    tools/images/images.py            writes every picture under resources/images/
    tools/images/images.py --check    exits 1 (listing them) when a committed file differs

Layout of this file: small raster and file helpers, then one function per picture set, then
OUTPUTS, the table of every file written (path below resources/images/ -> picture). To add a
picture set, write its function and add its rows to OUTPUTS.
"""

import argparse
import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2] / "resources" / "images"

# Colours as (red, green, blue).
TEAL = (0, 128, 128)
OLIVE = (128, 128, 0)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


# ---- Raster and file helpers -----------------------------------------------------------------------

class Picture:
    """A width x height grid of (r, g, b) pixels, row 0 at the top."""

    def __init__(self, width, height, fill=BLACK):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        """Fills the rectangle, right and bottom edges excluded."""
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                self.rows[y][x] = colour

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right):
            self.put(x, top, colour)
            self.put(x, bottom - 1, colour)
        for y in range(top, bottom):
            self.put(left, y, colour)
            self.put(right - 1, y, colour)


def mix(a, b, t):
    """Colour a fraction t of the way from a to b, rounded to whole channel values."""
    return tuple(int(round(ca + (cb - ca) * t)) for ca, cb in zip(a, b))


def bmp24(picture):
    """The picture as a 24-bit bottom-up Windows bitmap file."""
    stride = (picture.width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(picture.rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, picture.width, picture.height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(body), 0, 0, 14 + len(header))
    return bytes(file_header + header + body)


# ---- Button state sets -------------------------------------------------------------------------------

# Face colours (top and bottom of the face gradient) and whether the face looks pressed, per state.
BUTTON_STATES = {
    "up": ((214, 222, 232), (164, 178, 196), False),
    "hot": ((236, 242, 250), (182, 204, 230), False),
    "down": ((150, 164, 182), (196, 206, 220), True),
    "staydown": ((248, 214, 140), (214, 160, 60), True),
    "disabled": ((226, 226, 226), (204, 204, 204), False),
}


def button_face(key, state, width=80, height=30):
    """A rounded button face: the corners in the key colour (left out when drawn), a black
    outline, a vertical gradient face with a light (or, pressed, dark) inner edge."""
    top, bottom, pressed = BUTTON_STATES[state]
    p = Picture(width, height, key)
    for y in range(1, height - 1):
        p.fill(1, y, width - 1, y + 1, mix(top, bottom, (y - 1) / max(height - 3, 1)))
    outline = (150, 150, 150) if state == "disabled" else BLACK
    for x in range(2, width - 2):
        p.put(x, 0, outline)
        p.put(x, height - 1, outline)
    for y in range(2, height - 2):
        p.put(0, y, outline)
        p.put(width - 1, y, outline)
    for x, y in ((1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)):
        p.put(x, y, outline)
    edge = (110, 120, 136) if pressed else WHITE
    for x in range(2, width - 2):
        p.put(x, 1, edge)
    for y in range(2, height - 2):
        p.put(1, y, edge)
    return p


def button_sets():
    """Two state sets, one keyed with clTeal and one with clOlive."""
    rows = []
    for name, key in (("teal", TEAL), ("olive", OLIVE)):
        for state in BUTTON_STATES:
            rows.append((f"widgets/button_{name}_{state}.bmp", lambda key=key, state=state: button_face(key, state)))
    return rows


# ---- Shaped buttons ----------------------------------------------------------------------------------

# The shapes of the shaped buttons: an opaque figure on clTeal (the transparent colour, also the
# bottom-left pixel), 2 pixels clear of the edges so that the button's bevel rings fit around it.
SHAPE_WIDTH, SHAPE_HEIGHT = 120, 32


def shape_picture(inside, top, bottom):
    """The pixels for which inside(x, y) holds, in a vertical gradient from top to bottom."""
    p = Picture(SHAPE_WIDTH, SHAPE_HEIGHT, TEAL)
    for y in range(SHAPE_HEIGHT):
        colour = mix(top, bottom, y / (SHAPE_HEIGHT - 1))
        for x in range(SHAPE_WIDTH):
            if inside(x, y):
                p.put(x, y, colour)
    return p


def capsule(x, y):
    """A bar with round ends, 116 by 28 pixels."""
    radius = 14
    cy = SHAPE_HEIGHT / 2 - 0.5
    if not 2 <= y < SHAPE_HEIGHT - 2:
        return False
    for cx in (2 + radius - 0.5, SHAPE_WIDTH - 2 - radius - 0.5):
        if (x < cx if cx < SHAPE_WIDTH / 2 else x > cx):
            return (x - cx) ** 2 + (y - cy) ** 2 <= (radius - 0.5) ** 2
    return 2 <= x < SHAPE_WIDTH - 2


def arrow(x, y):
    """A shaft with a head pointing right."""
    if 2 <= x < 86:
        return 9 <= y < SHAPE_HEIGHT - 9
    if 86 <= x < SHAPE_WIDTH - 2:
        half = (SHAPE_WIDTH - 2 - x) * 14 / (SHAPE_WIDTH - 2 - 86)
        return abs(y - (SHAPE_HEIGHT / 2 - 0.5)) <= half
    return False


def shape_sets():
    return [
        ("widgets/shape_capsule.bmp", lambda: shape_picture(capsule, (120, 170, 230), (30, 70, 140))),
        ("widgets/shape_arrow.bmp", lambda: shape_picture(arrow, (250, 200, 110), (200, 110, 20))),
    ]


# ---- Dialog pictures -----------------------------------------------------------------------------------

MAGENTA = (255, 0, 255)  # key colour of the icons: their bottom-left pixel, left out when drawn
DIALOG_TOP = (240, 245, 252)
DIALOG_BOTTOM = (196, 210, 230)
ICON_EDGE = (222, 231, 243)  # what the icons' soft edges blend into: the middle of the background
SAMPLES = 4  # sub-samples per pixel side for the soft edges of drawn shapes


def coverage(inside, x, y):
    """The share of pixel (x, y) that the shape inside(px, py) covers."""
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def paint(picture, inside, colour, edge=None):
    """Paints the shape in the colour, its partly covered pixels blended with what is there (or,
    over the key colour, with `edge`)."""
    for y in range(picture.height):
        for x in range(picture.width):
            c = coverage(inside, x, y)
            if c <= 0:
                continue
            under = picture.rows[y][x]
            if under == MAGENTA:
                if c < 0.5 and edge is None:
                    continue
                under = edge if edge is not None else colour
            picture.rows[y][x] = mix(under, colour, c)


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def box(left, top, right, bottom):
    return lambda x, y: left <= x < right and top <= y < bottom


def ring_arc(cx, cy, outer, inner, start, end):
    """The part of a ring between the angles (degrees, counter-clockwise from the right, y up)."""
    import math

    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not inner * inner <= d2 <= outer * outer:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return (a - start) % 360 <= (end - start) % 360

    return inside


def triangle(points):
    (x1, y1), (x2, y2), (x3, y3) = points

    def side(ax, ay, bx, by, x, y):
        return (bx - ax) * (y - ay) - (by - ay) * (x - ax)

    def inside(x, y):
        a = side(x1, y1, x2, y2, x, y)
        b = side(x2, y2, x3, y3, x, y)
        c = side(x3, y3, x1, y1, x, y)
        return (a >= 0 and b >= 0 and c >= 0) or (a <= 0 and b <= 0 and c <= 0)

    return inside


def dialog_background():
    """The backdrop of the small dialogs, stretched to their client area: a soft vertical gradient."""
    p = Picture(8, 180)
    for y in range(p.height):
        p.fill(0, y, p.width, y + 1, mix(DIALOG_TOP, DIALOG_BOTTOM, y / (p.height - 1)))
    return p


def round_icon(glyph):
    """A 32 x 32 blue disc with a white glyph, on the key colour."""
    p = Picture(32, 32, MAGENTA)
    paint(p, disc(16, 16, 15), (36, 84, 160), ICON_EDGE)
    paint(p, disc(16, 15.3, 13.6), (70, 130, 210))
    paint(p, disc(16, 12, 9), (96, 156, 228))
    for part in glyph:
        paint(p, part, WHITE)
    return p


def information_icon():
    return round_icon([disc(16, 8.5, 2.3), box(14.2, 12.5, 17.8, 25.5)])


def question_icon():
    return round_icon([ring_arc(16, 12, 6.8, 3.4, 300, 165), box(14.3, 16, 17.7, 21.2), disc(16, 25, 2.1)])


def warning_icon():
    """A yellow warning triangle with a black exclamation mark."""
    p = Picture(32, 32, MAGENTA)
    paint(p, triangle(((16, 1.5), (31, 29.5), (1, 29.5))), (150, 110, 0), ICON_EDGE)
    paint(p, triangle(((16, 4.8), (28.2, 27.6), (3.8, 27.6))), (250, 204, 40))
    paint(p, box(14.5, 10, 17.5, 21), BLACK)
    paint(p, disc(16, 24.3, 1.9), BLACK)
    return p


def loudspeaker():
    """The picture of the About box: a two-way loudspeaker cabinet."""
    p = Picture(96, 96, MAGENTA)
    paint(p, box(24, 4, 72, 92), (40, 44, 52), ICON_EDGE)
    paint(p, box(26, 6, 70, 90), (64, 70, 82))
    paint(p, disc(48, 24, 11), (24, 26, 30))
    paint(p, disc(48, 24, 8.5), (150, 156, 166))
    paint(p, disc(48, 24, 4), (210, 214, 220))
    paint(p, disc(48, 62, 20), (24, 26, 30))
    paint(p, disc(48, 62, 17.5), (90, 96, 108))
    paint(p, disc(48, 62, 13), (52, 56, 64))
    paint(p, disc(48, 62, 6), (120, 126, 138))
    paint(p, disc(47, 61, 2.5), (180, 186, 196))
    for x in (30, 66):
        for y in (9, 87):
            paint(p, disc(x, y, 1.5), (150, 156, 166))
    return p


def dialog_pictures():
    rows = [(f"dialogs/button_{state}.bmp", lambda state=state: button_face(OLIVE, state, 76, 26))
            for state in ("up", "hot", "down", "disabled")]
    rows += [
        ("dialogs/background.bmp", dialog_background),
        ("dialogs/icon_information.bmp", information_icon),
        ("dialogs/icon_question.bmp", question_icon),
        ("dialogs/icon_warning.bmp", warning_icon),
        ("dialogs/loudspeaker.bmp", loudspeaker),
    ]
    return rows


# ---- Dialog backgrounds -------------------------------------------------------------------------------

def scan_background(width=380, height=180):
    """The connection scan dialog's background: a dark blue vertical gradient in a light frame, a
    darker band behind the buttons. A placeholder until the main window's pictures are drawn."""
    top, bottom = (34, 58, 94), (12, 24, 44)
    p = Picture(width, height)
    for y in range(height):
        p.fill(0, y, width, y + 1, mix(top, bottom, y / (height - 1)))
    p.fill(2, 110, width - 2, height - 2, (8, 16, 30))
    p.frame(0, 0, width, height, (150, 170, 200))
    p.frame(1, 1, width - 1, height - 1, (70, 90, 120))
    return p


# ---- Outputs -----------------------------------------------------------------------------------------

OUTPUTS = [
    *button_sets(),
    *shape_sets(),
    *dialog_pictures(),
    ("mainwindow/scan_background.bmp", scan_background),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files instead of writing")
    parser.add_argument("--root", type=pathlib.Path, default=ROOT, help="the images folder (resources/images)")
    args = parser.parse_args()
    differing = []
    for path, draw in OUTPUTS:
        data = bmp24(draw())
        target = args.root / path
        if args.check:
            if not target.is_file() or target.read_bytes() != data:
                differing.append(path)
        else:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
    if differing:
        print("pictures that differ from what the tool draws (run tools/images/images.py):", file=sys.stderr)
        for path in differing:
            print("  " + path, file=sys.stderr)
        return 1
    print(f"{len(OUTPUTS)} pictures {'checked' if args.check else 'written'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
