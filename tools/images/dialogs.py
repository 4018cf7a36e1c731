"""The dialogs' buttons, backdrop, icons and About picture."""

import math

from raster import BLACK, OLIVE, WHITE, Picture, mix
from widgets import button_face


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
            for state in ("up", "hot", "down", "staydown", "disabled")]
    rows += [
        ("dialogs/background.bmp", dialog_background),
        ("dialogs/icon_information.bmp", information_icon),
        ("dialogs/icon_question.bmp", question_icon),
        ("dialogs/icon_warning.bmp", warning_icon),
        ("dialogs/loudspeaker.bmp", loudspeaker),
    ]
    return rows
