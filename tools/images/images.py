#!/usr/bin/env python3
"""The project's pictures that no designer drew: button state sets, thumbs, backgrounds and the
like, drawn by code so that they can be rebuilt and checked.

    tools/images/images.py            writes every picture under resources/images/
    tools/images/images.py --check    exits 1 (listing them) when a committed file differs

    tools/images/images.py --glyph-chars   prints the characters the pictures' texts use (the
                                          input of glyph_table, which writes glyphs.txt)

The drawing lives in one module per area (widgets.py, dialogs.py, splash.py, helppictures.py ...)
over the raster helpers of raster.py and the text of glyphs.py; this file holds OUTPUTS, the table
of every file written (path below resources/images/ -> picture). To add a picture set, write its
function in its area's module and add its rows to OUTPUTS. A picture is written as a 24-bit bitmap
(Picture) or, when it has an alpha channel (AlphaPicture) or its path ends in ".png", as a PNG.
"""

import argparse
import pathlib
import sys

import dialogs
import helppictures
import mainwindow
import pages
import plotglyphs
import splash
import widgets
from raster import encode

ROOT = pathlib.Path(__file__).resolve().parents[2] / "resources" / "images"


# ---- Outputs --------------------------------------------------------------------------------------------

OUTPUTS = [
    *widgets.button_sets(),
    *splash.splash_pictures(),
    *widgets.shape_sets(),
    *widgets.fader_thumbs(),
    *dialogs.dialog_pictures(),
    *mainwindow.mainwindow_pictures(),
    *pages.page_pictures(),
    *helppictures.help_pictures(),
    *plotglyphs.toolbar_glyphs(),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files instead of writing")
    parser.add_argument("--root", type=pathlib.Path, default=ROOT, help="the images folder (resources/images)")
    parser.add_argument("--glyph-chars", action="store_true", help="print the characters the pictures' texts use")
    args = parser.parse_args()
    if args.glyph_chars:
        print(helppictures.characters())
        return 0
    differing = []
    for path, draw in OUTPUTS:
        data = encode(draw(), path)
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
