"""Pictures of the control sets: the bitmap buttons' state sets and the shaped buttons' shapes."""

from raster import BLACK, OLIVE, TEAL, WHITE, Picture, mix


# ---- Button state sets ----------------------------------------------------------------------------------
# Face colours (top and bottom of the face gradient) and whether the face looks pressed, per state.
BUTTON_STATES = {
    "up": ((214, 222, 232), (164, 178, 196), False),
    "hot": ((236, 242, 250), (182, 204, 230), False),
    "down": ((150, 164, 182), (196, 206, 220), True),
    "staydown": ((248, 214, 140), (214, 160, 60), True),
    "disabled": ((226, 226, 226), (204, 204, 204), False),
}


def rounded_face(width, height, key, top, bottom, outline, edge):
    """A rounded face: the corners in the key colour (left out when drawn), an outline, a vertical
    gradient from top to bottom and an inner edge along the top and the left in `edge`."""
    p = Picture(width, height, key)
    for y in range(1, height - 1):
        p.fill(1, y, width - 1, y + 1, mix(top, bottom, (y - 1) / max(height - 3, 1)))
    for x in range(2, width - 2):
        p.put(x, 0, outline)
        p.put(x, height - 1, outline)
    for y in range(2, height - 2):
        p.put(0, y, outline)
        p.put(width - 1, y, outline)
    for x, y in ((1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)):
        p.put(x, y, outline)
    for x in range(2, width - 2):
        p.put(x, 1, edge)
    for y in range(2, height - 2):
        p.put(1, y, edge)
    return p


def button_face(key, state, width=80, height=30):
    """A button face of the grey state set: a black outline, a light (or, pressed, dark) inner edge."""
    top, bottom, pressed = BUTTON_STATES[state]
    outline = (150, 150, 150) if state == "disabled" else BLACK
    return rounded_face(width, height, key, top, bottom, outline, (110, 120, 136) if pressed else WHITE)


def button_sets():
    """Two state sets, one keyed with clTeal and one with clOlive."""
    rows = []
    for name, key in (("teal", TEAL), ("olive", OLIVE)):
        for state in BUTTON_STATES:
            rows.append((f"widgets/button_{name}_{state}.bmp", lambda key=key, state=state: button_face(key, state)))
    return rows


# ---- Shaped buttons -------------------------------------------------------------------------------------
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
