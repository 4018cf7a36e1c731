#!/usr/bin/env python3
"""Writes the forms that are regular enough to be laid out by code:

  - resources/forms/TfmLinkSel.dfm: the link group dialog's triangular grid of link buttons (one
    row per channel, one column per channel of the same kind at or before it);
  - resources/forms/TfmRs232CodeEnglish.dfm and TfmRs232Code.dfm: the two control-code viewers,
    each a rich-text document (resources/help/, written from helpdocs.py) with its ten pictures
    (resources/images/help/, drawn by tools/images) laid over the gaps the document leaves for them.
    HELP_VIEWERS holds where the gaps are; the dialogs' tests check that every picture covers blank
    space of the rendered document only.

    tools/forms/forms.py            writes the forms and documents
    tools/forms/forms.py --check    exits 1 when a committed file differs
"""

import argparse
import pathlib
import struct
import sys

import helpdocs

ROOT = pathlib.Path(__file__).resolve().parents[2]
FORMS = ROOT / "resources" / "forms"

# (block name, left, width, channels as (suffix, row character))
BLOCKS = [
    ("In", 16, 160, [("InA", "A"), ("InB", "B")]),
    ("Out", 188, 307, [("Out1", "1"), ("Out2", "2"), ("Out3", "3"), ("Out4", "4")]),
]
BLOCK_TOP, BLOCK_HEIGHT = 12, 214
FRAME_LEFT, FIRST_FRAME_TOP, FRAME_PITCH, FRAME_HEIGHT = 8, 44, 40, 36
BUTTON_LEFT, BUTTON_TOP, COLUMN_PITCH, BUTTON_WIDTH, BUTTON_HEIGHT = 6, 2, 70, 62, 32
LABEL_TOP = 24

# The handler of each row whose clicks matter (rows In A and Out 1 have one button and none).
ROW_HANDLERS = {"InB": "rzbBLinkInAClick", "Out2": "rzb2LinkOut1Click", "Out3": "rzb3LinkOut1Click",
                "Out4": "rzb4LinkOut1Click"}


def button_pictures(indent, states):
    return "".join(f"{indent}Bitmaps.{prop}.File = @':/images/dialogs/button_{state}.bmp'\n" for prop, state in states)


# How every bitmap button of the windows is set: the caption Margin pixels below the top, no focus
# mark, no caption shift when pressed, its own font.
BUTTON_LOOK = ["ShowFocus = False", "ParentFont = False", "Layout = blGlyphTop", "CaptionDownOffset = 0",
               "Margin = 14"]


def button_look(indent):
    return "".join(f"{indent}{line}\n" for line in BUTTON_LOOK)


COMMAND_PICTURES = [("Up", "up"), ("Hot", "hot"), ("Down", "down")]
LINK_PICTURES = COMMAND_PICTURES + [("StayDown", "staydown")]
# The buttons a row handler disables (a column whose channel heads no group takes no members).
DISABLED_LINK_BUTTONS = {"rzb3LinkOut2", "rzb4LinkOut2", "rzb4LinkOut3"}


def link_button(indent, row, row_char, column, column_index, diagonal):
    lines = [
        f"object rzb{row_char}Link{column}: TRzBmpButton",
        f"  Tag = {column_index}",
        f"  Left = {BUTTON_LEFT + column_index * COLUMN_PITCH}",
        f"  Top = {BUTTON_TOP}",
        f"  Width = {BUTTON_WIDTH}",
        f"  Height = {BUTTON_HEIGHT}",
        "  AllowAllUp = False",
        "  GroupIndex = 1",
    ]
    if diagonal:
        lines.append("  Down = True")
    text = "".join(f"{indent}{line}\n" for line in lines)
    name = f"rzb{row_char}Link{column}"
    text += button_pictures(indent + "  ", LINK_PICTURES + ([("Disabled", "disabled")] if name in DISABLED_LINK_BUTTONS else []))
    text += f"{indent}  ButtonSize = bszStretchToButton\n" + button_look(indent + "  ")
    text += f"{indent}  Caption = '{row}'\n"
    if row in ROW_HANDLERS:
        text += f"{indent}  OnClick = {ROW_HANDLERS[row]}\n"
    return text + f"{indent}end\n"


def block(name, left, width, channels):
    i = "  "
    text = (f"{i}object rzgLinkSel{name}: TRzGroupBox\n{i}  Left = {left}\n{i}  Top = {BLOCK_TOP}\n"
            f"{i}  Width = {width}\n{i}  Height = {BLOCK_HEIGHT}\n{i}  GroupStyle = gsCustom\n"
            f"{i}  Transparent = True\n")
    for index, (suffix, _) in enumerate(channels):
        text += (f"{i}  object lbLinkSel{suffix}: TLabel\n"
                 f"{i}    Left = {FRAME_LEFT + BUTTON_LEFT + index * COLUMN_PITCH}\n{i}    Top = {LABEL_TOP}\n"
                 f"{i}    Width = {BUTTON_WIDTH}\n{i}    Height = 16\n{i}    Alignment = taCenter\n"
                 f"{i}    AutoSize = False\n{i}    Caption = '{suffix}'\n{i}    Font.Style = [fsBold]\n"
                 f"{i}    Transparent = True\n{i}  end\n")
    for row_index, (row, row_char) in enumerate(channels):
        text += (f"{i}  object rzgLinkSel{row}: TRzGroupBox\n{i}    Left = {FRAME_LEFT}\n"
                 f"{i}    Top = {FIRST_FRAME_TOP + row_index * FRAME_PITCH}\n{i}    Width = {width - 2 * FRAME_LEFT}\n"
                 f"{i}    Height = {FRAME_HEIGHT}\n{i}    GroupStyle = gsCustom\n{i}    Transparent = True\n")
        for column_index in range(row_index + 1):
            text += link_button(i + "    ", row, row_char, channels[column_index][0], column_index,
                                column_index == row_index)
        text += f"{i}  end\n"
    return text + f"{i}end\n"


def command_button(name, caption, left, handler):
    i = "  "
    return (f"{i}object {name}: TRzBmpButton\n{i}  Left = {left}\n{i}  Top = 244\n{i}  Width = 76\n"
            f"{i}  Height = 30\n" + button_pictures(i + "  ", COMMAND_PICTURES) +
            f"{i}  ButtonSize = bszStretchToButton\n" + button_look(i + "  ") +
            f"{i}  Caption = '{caption}'\n{i}  OnClick = {handler}\n{i}end\n")


GENERATED = "// Written by tools/forms/forms.py: change the script, not this file.\n"


def link_selection_form():
    text = (GENERATED +
            "object fmLinkSel: TfmLinkSel\n  BorderIcons = [biSystemMenu]\n  BorderStyle = bsDialog\n"
            "  Caption = 'Link Selection'\n  ClientHeight = 297\n  ClientWidth = 511\n"
            "  Position = poScreenCenter\n  OnShow = FormShow\n"
            "  object imBackground: TImage\n    Left = 0\n    Top = 0\n    Width = 511\n    Height = 297\n"
            "    Align = alClient\n    Picture.File = @':/images/dialogs/background.bmp'\n    Stretch = True\n  end\n")
    for name, left, width, channels in BLOCKS:
        text += block(name, left, width, channels)
    text += command_button("bnSet", "Set", 160, "bnSetClick")
    text += command_button("bnExit", "Exit", 275, "bnExitClick")
    return text + "end\n"


# ---- Control-code viewers --------------------------------------------------------------------------------
PICTURE_NAMES = ["01_links", "02_frame", "03_check_byte", "04_channels", "05_session", "06_presets", "07_settings",
                 "08_peq_band", "09_scales", "10_sine"]
PICTURE_FOLDER = ROOT / "resources" / "images" / "help"

# Per viewer: class, window size, document, picture language, and the top of each picture.
HELP_VIEWERS = [
    ("TfmRs232CodeEnglish", 754, 662, "rs232_code_english.rtf", "en",
     [105, 239, 369, 465, 579, 734, 921, 1106, 1232, 1427]),
    ("TfmRs232Code", 745, 671, "rs232_code_chinese.rtf", "zh",
     [108, 246, 378, 476, 579, 737, 912, 1099, 1228, 1427]),
]
DOCUMENT_LEFT, DOCUMENT_TOP, DOCUMENT_WIDTH, DOCUMENT_HEIGHT = 50, 24, 630, 1400


def png_height(path):
    """The height of a PNG file (from its header)."""
    return struct.unpack(">I", path.read_bytes()[20:24])[0]


def help_viewer_form(cls, width, height, document, language, tops):
    text = (GENERATED + f"object {cls[1:]}: {cls}\n  Left = 0\n  Top = 0\n  Width = {width}\n  Height = {height}\n"
            "  Caption = 'RS232 Code Table'\n  Color = clWindow\n  KeyPreview = True\n"
            "  Position = poDesktopCenter\n  VertScrollBar.Smooth = True\n  OnClose = FormClose\n"
            "  OnKeyDown = FormKeyDown\n  OnMouseWheelDown = FormMouseWheelDown\n"
            "  OnMouseWheelUp = FormMouseWheelUp\n  OnResize = FormResize\n  OnShow = FormShow\n"
            f"  object RTFLabel: TRTFLabel\n    Left = {DOCUMENT_LEFT}\n    Top = {DOCUMENT_TOP}\n"
            f"    Width = {DOCUMENT_WIDTH}\n    Height = {DOCUMENT_HEIGHT}\n"
            f"    RichText = @':/help/{document}'\n    Transparent = True\n  end\n")
    for index, (name, top) in enumerate(zip(PICTURE_NAMES, tops), start=1):
        picture = f"{language}/{name}.png"
        text += (f"  object AdvOfficeImage{index}: TAdvOfficeImage\n    Left = {DOCUMENT_LEFT}\n    Top = {top}\n"
                 f"    Width = {DOCUMENT_WIDTH}\n    Height = {png_height(PICTURE_FOLDER / picture)}\n"
                 f"    Picture = @':/images/help/{picture}'\n    Center = False\n  end\n")
    return text + "end\n"


def outputs():
    """Every file written: (path, text)."""
    rows = [(FORMS / "TfmLinkSel.dfm", link_selection_form())]
    for cls, width, height, document, language, tops in HELP_VIEWERS:
        rows.append((FORMS / f"{cls}.dfm", help_viewer_form(cls, width, height, document, language, tops)))
        heights = {n: png_height(PICTURE_FOLDER / f"{language}/{name}.png")
                   for n, name in enumerate(PICTURE_NAMES, start=1)}
        rows.append((ROOT / "resources" / "help" / document, helpdocs.rtf(language, heights)))
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed forms instead of writing")
    args = parser.parse_args()
    differing = []
    for path, text in outputs():
        if args.check:
            if not path.is_file() or path.read_text(encoding="utf-8") != text:
                differing.append(path.name)
        else:
            path.write_text(text, encoding="utf-8")
    if differing:
        print("files that differ from what tools/forms/forms.py writes: " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
