#!/usr/bin/env python3
"""The project's pictures that no designer drew: button state sets, thumbs, backgrounds and the
like, drawn by code so that they can be rebuilt and checked. Files ending in .bmp are written as
24-bit bitmaps, files ending in .png as RGBA PNG files.

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


def png_rgba(picture):
    """The picture as an 8-bit RGBA PNG file; (r, g, b) pixels are opaque, (r, g, b, a) keep their
    alpha. Compressed at level 9 so that the bytes only depend on the pixels."""
    raw = bytearray()
    for row in picture.rows:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(pixel if len(pixel) == 4 else (*pixel, 255))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + \
        chunk(b"IEND", b"")


ENCODERS = {".bmp": bmp24, ".png": png_rgba}


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


# ---- Fader thumbs ------------------------------------------------------------------------------------

# Per state: face colours at the top edge and at the middle of the cap, the outline, the centre
# mark, and whether the face is flat (disabled).
THUMB_STATES = {
    "normal": ((236, 236, 236), (160, 160, 164), (56, 56, 60), (250, 250, 250)),
    "hot": ((240, 246, 255), (150, 176, 214), (40, 70, 120), (255, 255, 255)),
    "down": ((176, 176, 182), (112, 112, 118), (24, 24, 28), (255, 214, 80)),
    "disabled": ((226, 226, 226), (214, 214, 214), (170, 170, 170), (200, 200, 200)),
}
THUMB_WIDTH, THUMB_HEIGHT = 16, 29


def fader_thumb(state):
    """The cap of a vertical fader, 16 x 29: a rounded outline (corner pixels transparent, their
    neighbours half transparent), a face shaded from both ends toward the middle, grip lines in
    each half and a bright mark across the middle row."""
    top, middle, outline, mark = THUMB_STATES[state]
    w, h = THUMB_WIDTH, THUMB_HEIGHT
    p = Picture(w, h, (0, 0, 0, 0))
    mid = h // 2
    for y in range(1, h - 1):
        t = abs(y - mid) / mid
        p.fill(1, y, w - 1, y + 1, mix(middle, top, t))
    for x in range(1, w - 1):
        p.put(x, 0, outline)
        p.put(x, h - 1, outline)
    for y in range(1, h - 1):
        p.put(0, y, outline)
        p.put(w - 1, y, outline)
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        p.put(x, y, (*outline, 0))
    for x, y in ((1, 0), (0, 1), (w - 2, 0), (w - 1, 1), (0, h - 2), (1, h - 1), (w - 1, h - 2), (w - 2, h - 1)):
        p.put(x, y, (*outline, 160))
    grip = mix(outline, middle, 0.45)
    for y in (5, 8, 11, h - 12, h - 9, h - 6):
        p.fill(3, y, w - 3, y + 1, grip)
    p.fill(1, mid, w - 1, mid + 1, mark)
    return p


def fader_thumbs():
    """The four states of the fader thumb."""
    return [(f"widgets/fader_thumb_{state}.png", lambda state=state: fader_thumb(state)) for state in THUMB_STATES]


# ---- Outputs -----------------------------------------------------------------------------------------

OUTPUTS = [
    *button_sets(),
    *fader_thumbs(),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files instead of writing")
    parser.add_argument("--root", type=pathlib.Path, default=ROOT, help="the images folder (resources/images)")
    args = parser.parse_args()
    differing = []
    for path, draw in OUTPUTS:
        data = ENCODERS[pathlib.PurePath(path).suffix](draw())
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
