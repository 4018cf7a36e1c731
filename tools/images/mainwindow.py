"""The main window's pictures: the page buttons' and the link button's state sets, the four
backgrounds of the page area, and the connection scan dialog's background."""

from raster import TEAL, Picture, mix
from widgets import rounded_face


# ---- Button state sets ----------------------------------------------------------------------------------
# Dark faces on the window's slate, keyed with clTeal. Per state: face colours at the top and the
# bottom, the outline, and whether the face looks pressed. The latched state (the page shown, the
# processor online) carries each family's own colour.
FACE_STATES = {
    "up": ((78, 90, 108), (46, 54, 68), (14, 18, 24), False),
    "hot": ((104, 120, 144), (62, 74, 92), (14, 18, 24), False),
    "down": ((40, 46, 58), (64, 74, 90), (8, 10, 14), True),
    "disabled": ((66, 70, 76), (56, 60, 66), (44, 48, 54), False),
}
STAYDOWN = {
    "page_function": ((246, 190, 84), (196, 128, 24)),
    "page_channel": ((110, 214, 196), (34, 138, 124)),
    "link": ((120, 220, 110), (40, 140, 48)),
}
# The link button is red while offline: its up and hot faces.
LINK_FACES = {
    "up": ((170, 70, 64), (110, 34, 30)),
    "hot": ((204, 96, 88), (140, 48, 42)),
}
BUTTON_SIZES = {"page_function": (80, 30), "page_channel": (80, 30), "link": (70, 30)}


def face(width, height, top, bottom, outline, pressed):
    """A rounded face keyed with clTeal whose inner edge is lighter than the face, or darker when
    it looks pressed."""
    edge = mix(top, (0, 0, 0), 0.35) if pressed else mix(bottom, (255, 255, 255), 0.35)
    return rounded_face(width, height, TEAL, top, bottom, outline, edge)


def button(family, state):
    width, height = BUTTON_SIZES[family]
    if state == "staydown":
        top, bottom = STAYDOWN[family]
        return face(width, height, top, bottom, (12, 14, 16), True)
    top, bottom, outline, pressed = FACE_STATES[state]
    if family == "link" and state in LINK_FACES:
        top, bottom = LINK_FACES[state]
    return face(width, height, top, bottom, outline, pressed)


def button_sets():
    return [(f"mainwindow/{family}_{state}.bmp", lambda family=family, state=state: button(family, state))
            for family in BUTTON_SIZES for state in ("up", "down", "hot", "staydown", "disabled")]


# ---- Page area backgrounds -------------------------------------------------------------------------------
# The upper pair lies behind the plots, the lower pair behind the parameters; the narrow right
# pictures close each band with a darker edge. The page area stretches them when the window grows.
UPPER = ((46, 54, 70), (26, 31, 41))
LOWER = ((54, 62, 78), (34, 40, 52))
EDGE = (18, 22, 30)
HIGHLIGHT = (96, 110, 132)


def band(width, height, colours, right_edge):
    top, bottom = colours
    p = Picture(width, height)
    for y in range(height):
        p.fill(0, y, width, y + 1, mix(top, bottom, y / (height - 1)))
    p.fill(0, 0, width, 1, HIGHLIGHT)
    if right_edge:
        # A groove 6 pixels in from the left and the darker edge beyond it.
        for y in range(1, height):
            p.put(5, y, mix(top, EDGE, 0.8))
            p.put(6, y, mix(bottom, HIGHLIGHT, 0.5))
            p.fill(7, y, width, y + 1, mix(mix(top, bottom, y / (height - 1)), EDGE, 0.55))
    return p


def backgrounds():
    return [
        ("mainwindow/background_upper_left.png", lambda: band(1082, 256, UPPER, False)),
        ("mainwindow/background_upper_right.png", lambda: band(33, 256, UPPER, True)),
        ("mainwindow/background_lower_left.png", lambda: band(1082, 373, LOWER, False)),
        ("mainwindow/background_lower_right.png", lambda: band(33, 373, LOWER, True)),
    ]


# ---- Scan dialog ----------------------------------------------------------------------------------------

def scan_background(width=380, height=180):
    """The connection scan dialog's background: a dark blue vertical gradient in a light frame, a
    darker band behind the buttons."""
    top, bottom = (34, 58, 94), (12, 24, 44)
    p = Picture(width, height)
    for y in range(height):
        p.fill(0, y, width, y + 1, mix(top, bottom, y / (height - 1)))
    p.fill(2, 110, width - 2, height - 2, (8, 16, 30))
    p.frame(0, 0, width, height, (150, 170, 200))
    p.frame(1, 1, width - 1, height - 1, (70, 90, 120))
    return p


def mainwindow_pictures():
    return [*button_sets(), *backgrounds(), ("mainwindow/scan_background.bmp", scan_background)]
