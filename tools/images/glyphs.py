"""Text for the pictures, drawn from the committed glyph table glyphs.txt (written by
glyph_table.cpp from the project's fonts, so that drawing needs no font here).

Faces: "sans", "bold", "mono" for printable ASCII; any other character comes from "cjk". A
character the table lacks is an error: add it by running glyph_table with the characters that
`images.py --glyph-chars` prints.
"""

import pathlib

from raster import mix

TABLE = pathlib.Path(__file__).resolve().parent / "glyphs.txt"


class Face:
    def __init__(self, name, pixels, ascent, height):
        self.name = name
        self.pixels = pixels
        self.ascent = ascent
        self.height = height
        self.glyphs = {}  # character -> (advance, left, width, rows of coverage 0..15)


_faces = None


def faces():
    global _faces
    if _faces is None:
        _faces = {}
        face = None
        for line in TABLE.read_text(encoding="ascii").splitlines():
            if not line or line.startswith("#"):
                continue
            parts = line.split()
            if parts[0] == "face":
                face = Face(parts[1], *map(int, parts[2:5]))
                _faces[face.name] = face
                continue
            advance, left, width = int(parts[1]), int(parts[2]), int(parts[3])
            levels = [int(c, 16) for c in parts[4]]
            rows = [levels[y * width:(y + 1) * width] for y in range(face.height)]
            face.glyphs[chr(int(parts[0], 16))] = (advance, left, width, rows)
    return _faces


def glyph(face_name, ch):
    """The face and glyph that draw the character."""
    table = faces()
    face = table[face_name] if ord(ch) <= 0x7E else table["cjk"]
    if ch not in face.glyphs:
        raise KeyError(f"U+{ord(ch):04X} is not in {TABLE.name} (face {face.name}); regenerate it")
    return face, face.glyphs[ch]


def text_width(text, face="sans"):
    return sum(glyph(face, ch)[1][0] for ch in text)


def line_height(face="sans"):
    """The height of a line in the face, Chinese characters included."""
    return max(faces()[face].height, faces()["cjk"].height)


def draw_text(picture, x, y, text, colour, face="sans"):
    """Draws the text with its line's top at y (the tallest face's ascent decides the baseline)."""
    baseline = y + max(faces()[face].ascent, faces()["cjk"].ascent)
    for ch in text:
        f, (advance, left, width, rows) = glyph(face, ch)
        top = baseline - f.ascent
        for gy, row in enumerate(rows):
            py = top + gy
            if not 0 <= py < picture.height:
                continue
            for gx, level in enumerate(row):
                px = x + left + gx
                if level and 0 <= px < picture.width:
                    picture.rows[py][px] = mix(picture.rows[py][px], colour, level / 15)
        x += advance
    return x


def draw_text_centred(picture, left, right, y, text, colour, face="sans"):
    draw_text(picture, left + (right - left - text_width(text, face)) // 2, y, text, colour, face)
