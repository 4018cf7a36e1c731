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
