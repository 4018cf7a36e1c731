"""Pictures of the channel pages: the speaker pictures that stand on the Delay page's dashed lines."""

from dialogs import box, disc, paint
from raster import BLACK, Picture


def delay_speaker(size):
    """A loudspeaker cabinet seen from the front, size x size on the black of the Delay page: a grey
    cabinet with a small tweeter above a large cone."""
    p = Picture(size, size, BLACK)
    s = size / 32
    paint(p, box(6 * s, 1 * s, 26 * s, 31 * s), (112, 118, 130))
    paint(p, box(7 * s, 2 * s, 25 * s, 30 * s), (58, 62, 72))
    paint(p, disc(16 * s, 8 * s, 3.6 * s), (20, 22, 26))
    paint(p, disc(16 * s, 8 * s, 2.4 * s), (196, 200, 208))
    paint(p, disc(16 * s, 20.5 * s, 8 * s), (20, 22, 26))
    paint(p, disc(16 * s, 20.5 * s, 6.6 * s), (132, 138, 150))
    paint(p, disc(16 * s, 20.5 * s, 4.2 * s), (74, 78, 88))
    paint(p, disc(16 * s, 20.5 * s, 1.8 * s), (170, 176, 188))
    return p


def page_pictures():
    return [
        ("pages/speaker_input.bmp", lambda: delay_speaker(30)),
        ("pages/speaker_output.bmp", lambda: delay_speaker(32)),
    ]
