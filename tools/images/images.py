#!/usr/bin/env python3
"""The project's pictures that no designer drew: button state sets, thumbs, backgrounds and the
like, drawn by code so that they can be rebuilt and checked.

    tools/images/images.py            writes every picture under resources/images/
    tools/images/images.py --check    exits 1 (listing them) when a committed file differs

Layout of this file: small raster and file helpers, then one function per picture set, then
OUTPUTS, the table of every file written (path below resources/images/ -> picture). To add a
picture set, write its function and add its rows to OUTPUTS. A picture is written as a 24-bit
bitmap (Picture) or, when it has an alpha channel (AlphaPicture), as a PNG.
"""

import argparse
import math
import pathlib
import struct
import sys
import zlib

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


class AlphaPicture:
    """A width x height grid of (r, g, b, a) pixels, row 0 at the top, drawn by painting shapes
    with a coverage from 0 to 1 over what is there."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.rows = [[(0, 0, 0, 0)] * width for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        """Paints (r, g, b) at opacity alpha (0 to 1) over the pixel."""
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        r0, g0, b0, a0 = self.rows[y][x]
        src = min(alpha, 1.0)
        dst = a0 / 255.0
        out = src + dst * (1 - src)
        if out <= 0:
            return
        mixed = [(c * src + c0 * dst * (1 - src)) / out for c, c0 in zip(colour, (r0, g0, b0))]
        self.rows[y][x] = tuple(int(round(v)) for v in mixed) + (int(round(out * 255)),)

    def shape(self, inside, colour_at, top=0, bottom=None):
        """Paints every pixel by the coverage inside(x + 0.5, y + 0.5) gives (0 to 1) in the colour
        colour_at(x, y) returns as (r, g, b, opacity)."""
        for y in range(top, self.height if bottom is None else bottom):
            for x in range(self.width):
                cover = inside(x + 0.5, y + 0.5)
                if cover > 0:
                    r, g, b, a = colour_at(x, y)
                    self.blend(x, y, (r, g, b), cover * a)


def coverage(distance):
    """Coverage of a pixel whose centre lies `distance` pixels inside an edge (negative: outside)."""
    return max(0.0, min(1.0, distance + 0.5))


def round_rect_distance(px, py, left, top, right, bottom, radius):
    """How far the point lies inside the rounded rectangle (negative outside)."""
    cx = min(max(px, left + radius), right - radius)
    cy = min(max(py, top + radius), bottom - radius)
    if cx != px and cy != py:
        return radius - math.hypot(px - cx, py - cy)
    return min(px - left, right - px, py - top, bottom - py)


def png(picture):
    """The picture as an 8-bit RGBA PNG file (no filtering, zlib level 9)."""
    raw = bytearray()
    for row in picture.rows:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def encode(picture):
    """The file of a picture: a PNG when it has an alpha channel, else a 24-bit bitmap."""
    return png(picture) if isinstance(picture, AlphaPicture) else bmp24(picture)


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


# ---- Splash screen -----------------------------------------------------------------------------------

NAVY_TOP = (22, 52, 98)
NAVY_BOTTOM = (6, 16, 38)
CYAN = (90, 200, 235)


def splash_background(width=640, height=300):
    """The splash screen's background: a translucent dark blue panel with rounded corners, a light
    top edge, a faint response curve and grid over its upper half, and a thin line above the area
    where the program's name, version and loading text are written."""
    p = AlphaPicture(width, height)
    radius = 22

    def panel(x, y):
        return coverage(round_rect_distance(x, y, 0, 0, width, height, radius))

    def panel_colour(x, y):
        t = y / (height - 1)
        base = mix(NAVY_TOP, NAVY_BOTTOM, t)
        sheen = max(0.0, 1 - abs((x - 0.6 * y) - 330) / 260) * 0.18
        return mix(base, (70, 110, 170), sheen) + (0.94,)

    p.shape(panel, panel_colour)
    # The top edge catches the light.
    p.shape(lambda x, y: panel(x, y) * max(0.0, 1 - abs(y - 2.5) / 2),
            lambda x, y: (150, 190, 240, 0.55), top=0, bottom=8)
    # A grid of the response plot's kind over the upper half.
    for gx in range(40, width - 20, 40):
        for y in range(24, 150):
            p.blend(gx, y, CYAN, 0.07)
    for gy in range(30, 150, 30):
        for x in range(24, width - 24):
            p.blend(x, gy, CYAN, 0.07)

    # A smooth curve with a rise in the bass and a dip in the treble.
    def curve(x):
        u = x / width
        return 95 - 38 * math.exp(-((u - 0.18) / 0.09) ** 2) + 26 * math.exp(-((u - 0.72) / 0.07) ** 2) + 6 * math.sin(
            u * 9)

    p.shape(lambda x, y: max(0.0, 1.2 - abs(y - curve(x))) if 24 <= x <= width - 24 else 0.0,
            lambda x, y: CYAN + (0.55,), top=20, bottom=160)
    # The line above the texts.
    p.shape(lambda x, y: coverage(0.5 - abs(y - 158)) * (1.0 if 30 <= x <= width - 30 else 0.0),
            lambda x, y: CYAN + (0.45 * min(1.0, (x - 30) / 120, (width - 30 - x) / 120),), top=155, bottom=162)
    return p


def splash_item(size=64):
    """The splash screen's item picture: a loudspeaker, a rounded cabinet with a tweeter above a
    large cone, on a transparent ground."""
    p = AlphaPicture(size, size)
    p.shape(lambda x, y: coverage(round_rect_distance(x, y, 10, 2, size - 10, size - 2, 7)),
            lambda x, y: mix((70, 78, 92), (30, 34, 42), y / size) + (1.0,))
    p.shape(lambda x, y: coverage(round_rect_distance(x, y, 10, 2, size - 10, size - 2, 7)) *
            coverage(0.5 - abs(round_rect_distance(x, y, 10, 2, size - 10, size - 2, 7) - 1)),
            lambda x, y: (150, 160, 176, 0.8))

    def circle(cx, cy, r):
        return lambda x, y: coverage(r - math.hypot(x - cx, y - cy))

    for cx, cy, r, shades in ((32, 16, 7, ((200, 206, 214), (90, 96, 108))),
                              (32, 41, 16, ((184, 192, 204), (52, 58, 70)))):
        p.shape(circle(cx, cy, r), lambda x, y: (24, 26, 30, 1.0))
        p.shape(circle(cx, cy, r - 1.5),
                lambda x, y, cx=cx, cy=cy, r=r, shades=shades:
                mix(shades[0], shades[1], min(1.0, math.hypot(x - cx + r / 3, y - cy + r / 3) / (1.6 * r))) + (1.0,))
        p.shape(circle(cx, cy, r / 3.2), lambda x, y: (20, 22, 26, 1.0))
    return p


def splash_pictures():
    return [("splash/background.png", splash_background), ("splash/item.png", splash_item)]


# ---- Outputs -----------------------------------------------------------------------------------------

OUTPUTS = [
    *button_sets(),
    *splash_pictures(),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files instead of writing")
    parser.add_argument("--root", type=pathlib.Path, default=ROOT, help="the images folder (resources/images)")
    args = parser.parse_args()
    differing = []
    for path, draw in OUTPUTS:
        data = encode(draw())
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
