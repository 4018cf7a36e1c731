#!/usr/bin/env python3
"""Writes the link group dialog's form, resources/forms/TfmLinkSel.dfm: the triangular grid of
link buttons (one row per channel, one column per channel of the same kind at or before it) is
regular enough to be laid out by code.

    tools/forms/linksel.py            writes the form
    tools/forms/linksel.py --check    exits 1 when the committed form differs
"""

import argparse
import pathlib
import sys

TARGET = pathlib.Path(__file__).resolve().parents[2] / "resources" / "forms" / "TfmLinkSel.dfm"

# (block name, left, width, channels as (suffix, row character))
BLOCKS = [
    ("In", 16, 160, [("InA", "A"), ("InB", "B")]),
    ("Out", 188, 307, [("Out1", "1"), ("Out2", "2"), ("Out3", "3"), ("Out4", "4")]),
]
BLOCK_TOP, BLOCK_HEIGHT = 12, 214
FRAME_LEFT, FIRST_FRAME_TOP, FRAME_PITCH, FRAME_HEIGHT = 8, 44, 40, 36
BUTTON_LEFT, BUTTON_TOP, COLUMN_PITCH, BUTTON_WIDTH, BUTTON_HEIGHT = 6, 6, 70, 62, 24
LABEL_TOP = 24

# The handler of each row whose clicks matter (rows In A and Out 1 have one button and none).
ROW_HANDLERS = {"InB": "rzbBLinkInAClick", "Out2": "rzb2LinkOut1Click", "Out3": "rzb3LinkOut1Click",
                "Out4": "rzb4LinkOut1Click"}


def button_pictures(indent, states):
    return "".join(f"{indent}Bitmaps.{prop}.File = @':/images/dialogs/button_{state}.bmp'\n" for prop, state in states)


COMMAND_PICTURES = [("Up", "up"), ("Hot", "hot"), ("Down", "down"), ("Disabled", "disabled")]
LINK_PICTURES = COMMAND_PICTURES + [("StayDown", "staydown")]


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
    text += button_pictures(indent + "  ", LINK_PICTURES)
    text += f"{indent}  ButtonSize = bszStretchToButton\n"
    text += f"{indent}  Caption = '{row}'\n"
    if row in ROW_HANDLERS:
        text += f"{indent}  OnClick = {ROW_HANDLERS[row]}\n"
    return text + f"{indent}end\n"


def block(name, left, width, channels):
    i = "  "
    text = (f"{i}object rzgLinkSel{name}: TRzGroupBox\n{i}  Left = {left}\n{i}  Top = {BLOCK_TOP}\n"
            f"{i}  Width = {width}\n{i}  Height = {BLOCK_HEIGHT}\n{i}  GroupStyle = gsStandard\n"
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
                 f"{i}    Height = {FRAME_HEIGHT}\n{i}    GroupStyle = gsFlat\n{i}    Transparent = True\n")
        for column_index in range(row_index + 1):
            text += link_button(i + "    ", row, row_char, channels[column_index][0], column_index,
                                column_index == row_index)
        text += f"{i}  end\n"
    return text + f"{i}end\n"


def command_button(name, caption, left, handler):
    i = "  "
    return (f"{i}object {name}: TRzBmpButton\n{i}  Left = {left}\n{i}  Top = 246\n{i}  Width = 76\n"
            f"{i}  Height = 26\n" + button_pictures(i + "  ", COMMAND_PICTURES) +
            f"{i}  ButtonSize = bszStretchToButton\n{i}  Caption = '{caption}'\n{i}  OnClick = {handler}\n{i}end\n")


def form():
    text = ("// Written by tools/forms/linksel.py: change the script, not this file.\n"
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


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed form instead of writing")
    args = parser.parse_args()
    text = form()
    if args.check:
        if not TARGET.is_file() or TARGET.read_text(encoding="utf-8") != text:
            print(f"{TARGET.name} differs from what {pathlib.Path(__file__).name} writes", file=sys.stderr)
            return 1
        return 0
    TARGET.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
