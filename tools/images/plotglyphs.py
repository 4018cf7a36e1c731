"""The plot toolbar's glyphs: fourteen commands, each 24 x 24 and 16 x 16 (the SMALL set), in the
16 standard colours on teal, which the toolbar takes as transparent. They live beside the plot
library (resources/plotlib/glyphs/), read as ":/plotlib/glyphs/<NAME>.bmp"."""

from raster import Picture, TEAL, BLACK, WHITE

NAVY = (0, 0, 128)
GREEN = (0, 128, 0)
MAROON = (128, 0, 0)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
BLUE = (0, 0, 255)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)


class Glyph:
    """Drawing on a 24-unit grid scaled to the glyph's size."""

    def __init__(self, size):
        self.size = size
        self.pic = Picture(size, size, TEAL)

    def s(self, v):
        return int(round(v * self.size / 24))

    def rect(self, l, t, r, b, colour):
        self.pic.fill(self.s(l), self.s(t), max(self.s(r), self.s(l) + 1), max(self.s(b), self.s(t) + 1), colour)

    def frame(self, l, t, r, b, colour):
        self.pic.frame(self.s(l), self.s(t), max(self.s(r), self.s(l) + 2), max(self.s(b), self.s(t) + 2), colour)

    def line(self, x1, y1, x2, y2, colour):
        x1, y1, x2, y2 = self.s(x1), self.s(y1), self.s(x2), self.s(y2)
        steps = max(abs(x2 - x1), abs(y2 - y1), 1)
        for i in range(steps + 1):
            self.pic.put(int(round(x1 + (x2 - x1) * i / steps)), int(round(y1 + (y2 - y1) * i / steps)), colour)

    def triangle(self, points, colour):
        (ax, ay), (bx, by), (cx, cy) = [(self.s(x), self.s(y)) for x, y in points]

        def side(px, py, x1, y1, x2, y2):
            return (px - x2) * (y1 - y2) - (x1 - x2) * (py - y2)

        for y in range(self.size):
            for x in range(self.size):
                d1, d2, d3 = side(x, y, ax, ay, bx, by), side(x, y, bx, by, cx, cy), side(x, y, cx, cy, ax, ay)
                if not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0)):
                    self.pic.put(x, y, colour)

    def lens(self, sign):
        """A magnifier with a plus, a minus or nothing in its glass."""
        self.frame(3, 3, 15, 15, NAVY)
        self.rect(5, 5, 13, 13, WHITE)
        for d in range(4):
            self.line(14 + d, 15 + d, 15 + d, 14 + d, MAROON)
            self.line(15 + d, 15 + d, 16 + d, 15 + d, MAROON)
        if sign:
            self.rect(6, 8, 12, 10, BLACK)
        if sign == "+":
            self.rect(8, 6, 10, 12, BLACK)

    def page(self, l, t, r, b):
        self.rect(l, t, r, b, WHITE)
        self.frame(l, t, r, b, BLACK)
        for y in range(t + 4, b - 2, 3):
            self.rect(l + 3, y, r - 3, y + 1, GREY)


def auto(g):
    g.triangle([(7, 4), (7, 20), (19, 12)], GREEN)


def pause(g):
    g.rect(6, 5, 10, 19, NAVY)
    g.rect(14, 5, 18, 19, NAVY)


def scroll(g):
    g.rect(4, 11, 20, 13, NAVY)
    g.triangle([(2, 12), (7, 7), (7, 17)], NAVY)
    g.triangle([(22, 12), (17, 7), (17, 17)], NAVY)


def zoom(g):
    g.rect(11, 4, 13, 20, NAVY)
    g.triangle([(12, 2), (7, 7), (17, 7)], NAVY)
    g.triangle([(12, 22), (7, 17), (17, 17)], NAVY)
    g.rect(4, 11, 20, 13, GREY)


def zoomout(g):
    g.lens("-")


def zoomin(g):
    g.lens("+")


def select(g):
    g.triangle([(6, 3), (6, 19), (17, 14)], BLACK)
    g.rect(11, 14, 14, 21, BLACK)


def scrollbox(g):
    for x in range(3, 21, 3):
        g.rect(x, 4, x + 2, 5, BLACK)
        g.rect(x, 19, x + 2, 20, BLACK)
    for y in range(4, 20, 3):
        g.rect(3, y, 4, y + 2, BLACK)
        g.rect(20, y, 21, y + 2, BLACK)
    g.rect(8, 9, 16, 15, BLUE)


def cursor(g):
    g.rect(11, 2, 13, 22, RED)
    g.rect(3, 11, 21, 13, GREY)
    g.frame(8, 8, 16, 16, BLACK)


def properties(g):
    g.page(4, 2, 18, 22)
    g.rect(15, 14, 21, 20, YELLOW)
    g.frame(15, 14, 21, 20, BLACK)


def copy(g):
    g.page(3, 2, 14, 16)
    g.page(10, 8, 21, 22)


def save(g):
    g.rect(3, 3, 21, 21, NAVY)
    g.rect(6, 3, 18, 10, WHITE)
    g.rect(7, 14, 17, 21, SILVER)
    g.rect(14, 15, 16, 20, NAVY)


def printer(g):
    g.page(7, 2, 17, 11)
    g.rect(3, 10, 21, 18, SILVER)
    g.frame(3, 10, 21, 18, BLACK)
    g.rect(17, 12, 19, 14, LIME)
    g.page(7, 15, 17, 22)


def preview(g):
    g.page(3, 2, 16, 22)
    g.lens("")


GLYPHS = {
    "AUTO": auto,
    "PAUSE": pause,
    "SCROLL": scroll,
    "ZOOM": zoom,
    "ZOOMOUT": zoomout,
    "ZOOMIN": zoomin,
    "SELECT": select,
    "SCROLLBOX": scrollbox,
    "CURSOR": cursor,
    "PROPERTIES": properties,
    "COPY": copy,
    "SAVE": save,
    "PRINTER": printer,
    "PREVIEW": preview,
}


def _picture(draw, size):
    def make():
        g = Glyph(size)
        draw(g)
        return g.pic

    return make


def toolbar_glyphs():
    """(path below resources/images/, picture) rows of both sets."""
    rows = []
    for name, draw in GLYPHS.items():
        rows.append((f"../plotlib/glyphs/{name}.bmp", _picture(draw, 24)))
        rows.append((f"../plotlib/glyphs/SMALL{name}.bmp", _picture(draw, 16)))
    return rows
