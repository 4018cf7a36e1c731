"""Pixel grids, colour arithmetic and the BMP and PNG writers the pictures are drawn with."""

import math
import struct
import zlib


# Colours as (red, green, blue).
TEAL = (0, 128, 128)
OLIVE = (128, 128, 0)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


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


def edge_coverage(distance):
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
    """The picture as an 8-bit PNG file (no filtering, zlib level 9): RGBA when it has an alpha
    channel (an AlphaPicture, or any (r, g, b, a) pixel; (r, g, b) pixels are then opaque), else RGB."""
    alpha = isinstance(picture, AlphaPicture) or any(len(pixel) == 4 for row in picture.rows for pixel in row)
    raw = bytearray()
    for row in picture.rows:
        raw.append(0)
        for pixel in row:
            raw += bytes(pixel if len(pixel) == 4 or not alpha else (*pixel, 255))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def encode(picture, path=""):
    """The file of a picture: a PNG when it has an alpha channel or its path ends in ".png", else a
    24-bit bitmap."""
    return png(picture) if isinstance(picture, AlphaPicture) or str(path).endswith(".png") else bmp24(picture)


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
