"""The splash screen's background and item pictures (PNG, with alpha)."""

import math

from raster import AlphaPicture, edge_coverage, mix, round_rect_distance


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
        return edge_coverage(round_rect_distance(x, y, 0, 0, width, height, radius))

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
    p.shape(lambda x, y: edge_coverage(0.5 - abs(y - 158)) * (1.0 if 30 <= x <= width - 30 else 0.0),
            lambda x, y: CYAN + (0.45 * min(1.0, (x - 30) / 120, (width - 30 - x) / 120),), top=155, bottom=162)
    return p


def splash_item(size=64):
    """The splash screen's item picture: a loudspeaker, a rounded cabinet with a tweeter above a
    large cone, on a transparent ground."""
    p = AlphaPicture(size, size)
    p.shape(lambda x, y: edge_coverage(round_rect_distance(x, y, 10, 2, size - 10, size - 2, 7)),
            lambda x, y: mix((70, 78, 92), (30, 34, 42), y / size) + (1.0,))
    p.shape(lambda x, y: edge_coverage(round_rect_distance(x, y, 10, 2, size - 10, size - 2, 7)) *
            edge_coverage(0.5 - abs(round_rect_distance(x, y, 10, 2, size - 10, size - 2, 7) - 1)),
            lambda x, y: (150, 160, 176, 0.8))

    def circle(cx, cy, r):
        return lambda x, y: edge_coverage(r - math.hypot(x - cx, y - cy))

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
