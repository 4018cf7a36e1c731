#!/usr/bin/env python3
"""The main window's form definition, resources/forms/TfmMain.dfm, written from the tables below.

    tools/forms/main_form.py            writes the definition
    tools/forms/main_form.py --check    exits 1 when the committed file is not what this script writes

The window is 1118 x 720 pixels outside (a sizeable frame of 4, a caption of 20 and the menu bar of
20), so its client area is 1110 x 672. It holds three regions: the function bar `rzgFunction` with
the page buttons, the device ID, the USB status and the link button; the page area `rzgMain` with
the four background pictures and one pair of groups per page (`rzgFft<page>` above,
`rzgParam<page>` below), empty until the pages fill them; and the preset bar `rzgPreset`. Then the
menu bar `MainMenu` and the four file dialogs. Pictures come from resources/images/ (drawn by
tools/images/images.py).

Handlers of the page controls belong to the channel pages: PAGE_EVENTS binds them by control name.
"""

import argparse
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
TARGET = ROOT / "resources" / "forms" / "TfmMain.dfm"


# ---- Values ----------------------------------------------------------------------------------------------

class Ident(str):
    """A value written as it stands: True, clWhite, bsDialog, a handler's name."""


def colour(r, g, b):
    """A colour value, $00BBGGRR."""
    return Ident(f"$00{b:02X}{g:02X}{r:02X}")


def picture(path):
    return Ident(f"@':/images/{path}'")


def value_text(value):
    if isinstance(value, bool):
        return "True" if value else "False"
    if isinstance(value, Ident):
        return str(value)
    if isinstance(value, int):
        return str(value)
    if isinstance(value, str):
        return "'" + value.replace("'", "''") + "'"
    if isinstance(value, (list, tuple)):
        return "[" + ", ".join(value) + "]"
    raise TypeError(value)


class Obj:
    """One object of the definition: a name, a class, properties in order, nested objects."""

    def __init__(self, name, cls, props=(), children=()):
        self.name = name
        self.cls = cls
        self.props = list(props)
        self.children = list(children)

    def lines(self, depth=0):
        pad = "  " * depth
        out = [f"{pad}object {self.name}: {self.cls}"]
        for key, value in self.props:
            out.append(f"{pad}  {key} = {value_text(value)}")
        for child in self.children:
            out += child.lines(depth + 1)
        out.append(f"{pad}end")
        return out


def bounds(left, top, width, height):
    return [("Left", left), ("Top", top), ("Width", width), ("Height", height)]


def font(colour_value, height=-12, name="Arial", bold=False):
    props = [("Font.Color", colour_value), ("Font.Height", height), ("Font.Name", name)]
    if bold:
        props.append(("Font.Style", ["fsBold"]))
    return props


# ---- Look ------------------------------------------------------------------------------------------------

WINDOW = colour(32, 38, 48)
BAR = colour(22, 28, 37)
PRESET_BAR = colour(28, 34, 44)
TEXT = colour(226, 232, 240)
VALUE_TEXT = colour(255, 214, 120)

CAPTION = "TROV316 DSP Processor Editor V1.1"


# ---- Function bar ----------------------------------------------------------------------------------------

# Page buttons: name, Tag (the page), caption and picture family. Start-up gives buttons of one
# kind the pictures of a model button (rzbMenuGain for the function pages, rzbMenuInA for the
# channels); rzbMenuOut4 keeps its own set.
STATES = ("Up", "Down", "Hot", "StayDown", "Disabled")
PAGE_BUTTONS = [
    ("rzbMenuGain", 8, "GAIN", "function"),
    ("rzbMenuComp", 6, "COMP", "function"),
    ("rzbMenuDelay", 7, "DELAY", "function"),
    ("rzbMenuMatrix", 9, "MATRIX", "function"),
    ("rzbMenuInA", 0, "IN A", "channel"),
    ("rzbMenuInB", 1, "IN B", "channel"),
    ("rzbMenuOut1", 2, "OUT 1", "channel"),
    ("rzbMenuOut2", 3, "OUT 2", "channel"),
    ("rzbMenuOut3", 4, "OUT 3", "channel"),
    ("rzbMenuOut4", 5, "OUT 4", "channel"),
]
SHOWN_PAGE_TAG = 8
PAGE_BUTTON_TOP, PAGE_BUTTON_WIDTH, PAGE_BUTTON_HEIGHT = 8, 80, 30
# Left edge of each button in the bar: the four function pages, a gap, the six channels.
PAGE_BUTTON_LEFTS = [12, 96, 180, 264, 364, 448, 532, 616, 700, 784]

# Handlers of the page controls, by control name and event, as the channel pages bind them.
PAGE_EVENTS = {}


def events_of(name):
    return sorted(PAGE_EVENTS.get(name, {}).items())


def bitmap_button(name, left, top, width, height, caption, family, extra=()):
    props = bounds(left, top, width, height)
    props += [(f"Bitmaps.{state}.File", picture(f"mainwindow/{family}_{state.lower()}.bmp")) for state in STATES]
    props += [("Bitmaps.TransparentColor", Ident("clTeal")), ("ButtonSize", Ident("bszStretchToButton")),
              ("Caption", caption)]
    props += font(Ident("clWhite"), -12, "Arial", True)
    props += list(extra)
    return Obj(name, "TRzBmpButton", props)


def function_bar():
    children = []
    for (name, tag, caption, family), left in zip(PAGE_BUTTONS, PAGE_BUTTON_LEFTS):
        # The page shown at start is down.
        extra = [("GroupIndex", 1)] + ([("Down", True)] if tag == SHOWN_PAGE_TAG else [])
        extra += [("ShowFocus", False), ("Tag", tag)] + events_of(name)
        children.append(
            bitmap_button(name, left, PAGE_BUTTON_TOP, PAGE_BUTTON_WIDTH, PAGE_BUTTON_HEIGHT, caption,
                          f"page_{family}", extra))
    children.append(Obj("lbShowIdNumber", "TLabel", bounds(884, 15, 60, 16) + [
        ("AutoSize", False), ("Caption", "ID : 1"), ("Transparent", True)] + font(TEXT, -12, "Arial", True)))
    children.append(Obj("lbStatus", "TLabel", bounds(952, 15, 80, 16) + [
        ("AutoSize", False), ("Caption", "OffLine"), ("Transparent", True)] + font(TEXT, -12, "Arial")))
    # Down while the processor is online; the user's click connects or disconnects.
    children.append(bitmap_button("rzbMenuLink", 1040, PAGE_BUTTON_TOP, 70, PAGE_BUTTON_HEIGHT, "OffLine", "link",
                                  [("AllowAllUp", True), ("GroupIndex", 2), ("ShowFocus", False),
                                   ("OnClick", Ident("rzbMenuLinkClick"))]))
    return Obj("rzgFunction", "TRzGroupBox", bounds(-5, -2, 1115, 42) + [
        ("Color", BAR), ("GroupStyle", Ident("gsCustom")), ("TabOrder", 0)], children)


# ---- Page area -------------------------------------------------------------------------------------------

PAGES = ["Gain", "Comp", "Delay", "Matrix", "InA", "InB", "Out1", "Out2", "Out3", "Out4"]
SHOWN_PAGE = "Gain"
UPPER_HEIGHT, LOWER_HEIGHT = 256, 373
BACKGROUNDS = [
    ("imLeftUpBase", 0, 0, 1082, UPPER_HEIGHT, "upper_left"),
    ("imRightUpBase", 1077, 0, 33, UPPER_HEIGHT, "upper_right"),
    ("imLeftDownBase", 0, UPPER_HEIGHT, 1082, LOWER_HEIGHT, "lower_left"),
    ("imRightDownBase", 1077, UPPER_HEIGHT, 33, LOWER_HEIGHT, "lower_right"),
]


def page_group(name, left, top, width, height, visible):
    # No frame and no fill: the background pictures show through.
    return Obj(name, "TRzGroupBox", bounds(left, top, width, height) + [
        ("GroupStyle", Ident("gsCustom")), ("Transparent", True), ("Visible", visible)])


def page_area():
    children = [Obj(name, "TImage", bounds(left, top, width, height) + [
        ("Picture.File", picture(f"mainwindow/background_{part}.png")), ("Stretch", True)])
        for name, left, top, width, height, part in BACKGROUNDS]
    for page in PAGES:
        shown = page == SHOWN_PAGE
        children.append(page_group(f"rzgFft{page}", 0, 0, 1112, 284, shown))
        children.append(page_group(f"rzgParam{page}", 20, 292, 1070, 282, shown))
    return Obj("rzgMain", "TRzGroupBox", bounds(0, 40, 1112, 629) + [
        ("Color", WINDOW), ("GroupStyle", Ident("gsCustom")), ("TabOrder", 1)], children)


# ---- Preset bar ------------------------------------------------------------------------------------------

def labelled_box(name, left, width, heading, heading_text, value, value_left, value_text_):
    return Obj(name, "TRzGroupBox", bounds(left, 4, width, 32) + [
        ("BorderOuter", Ident("fsFlat")), ("Color", PRESET_BAR), ("FlatColor", colour(96, 110, 132)),
        ("GroupStyle", Ident("gsCustom"))], [
        Obj(heading, "TLabel", bounds(8, 8, value_left - 14, 16) + [
            ("AutoSize", False), ("Caption", heading_text), ("Transparent", True)] + font(TEXT, -12, "Arial", True)),
        Obj(value, "TLabel", bounds(value_left, 8, width - value_left - 8, 16) + [
            ("AutoSize", False), ("Caption", value_text_), ("Transparent", True)] + font(VALUE_TEXT, -12, "Arial", True)),
    ])


def preset_button(name, left, caption, handler):
    props = bounds(left, 7, 90, 26)
    props += [(f"Bitmaps.{state}.File", picture(f"dialogs/button_{state.lower()}.bmp"))
              for state in ("Up", "Hot", "Down", "Disabled")]
    props += [("ButtonSize", Ident("bszStretchToButton")), ("Caption", caption), ("OnClick", Ident(handler))]
    return Obj(name, "TRzBmpButton", props)


def preset_bar():
    return Obj("rzgPreset", "TRzGroupBox", bounds(10, 626, 1100, 40) + [
        ("Color", PRESET_BAR), ("GroupStyle", Ident("gsCustom")), ("TabOrder", 2)], [
        labelled_box("rzgPstNum", 10, 170, "lPstNum", "Preset", "lbPstNum", 80, ""),
        labelled_box("rzgPstName", 190, 330, "lPstName", "Name", "lbPstName", 80, ""),
        preset_button("bStore", 890, "Store", "bStoreClick"),
        preset_button("bRecall", 996, "Recall", "bRecallClick"),
    ])


# ---- Menu ------------------------------------------------------------------------------------------------

def item(name, caption, handler=None, visible=True, children=(), extra=()):
    props = [("Caption", caption)] + list(extra)
    if not visible:
        props.append(("Visible", False))
    if handler:
        props.append(("OnClick", Ident(handler)))
    return Obj(name, "TMenuItem", props, children)


def line(name, visible=True):
    return item(name, "-", visible=visible)


# The menu bar in order; the English captions (the language table sets them at start). Entries
# made invisible here are never shown, apart from NetworkSetup, which start-up makes visible.
def main_menu():
    return Obj("MainMenu", "TMainMenu", [], [
        item("File", "File", children=[
            item("Open", "Open", "OpenClick"),
            item("Save", "Save", "SaveClick"),
            line("N1"),
            item("Upload", "Upload", "UploadClick"),
            item("Download", "Download", "DownloadClick"),
            line("N2", visible=False),
            item("FactoryDefault", "Factory Default", "FactoryDefaultClick", visible=False),
            line("N3"),
            item("Exit", "Exit", "ExitClick"),
        ]),
        item("Link", "Link", "LinkClick"),
        item("Copy", "Copy", "CopyClick"),
        item("Lock", "Lock", "LockClick"),
        item("SettingID", "Setting ID", "SettingIDClick", visible=False),
        item("NetworkSetup", "Setting ID/IP", "NetworkSetupClick", visible=False),
        item("TestTone", "Test Tone", "TestToneClick"),
        item("ChNameList", "Channel Name", "ChNameListClick"),
        item("LanguageSel", "语言", children=[
            item("ChineseSimplified", "中文", "ChineseSimplifiedClick", extra=[("Tag", 0)]),
            item("ChineseTraditional", "Troditional Chinese", visible=False, extra=[("Tag", 1)]),
            item("English", "English", "EnglishClick", extra=[("Tag", 2), ("Checked", True)]),
        ]),
        item("Help", "Help", children=[
            item("Rs232Code", "RS232 Code Table", "Rs232CodeClick"),
            line("N4", visible=False),
            item("MemoShow", "Memo Show", "MemoShowClick", visible=False),
            item("HidData", "HidData", "HidDataClick", visible=False),
            item("LockSetup", "Lock", "LockSetupClick", visible=False),
        ]),
        item("BlockDiagram", "Diagram", "BlockDiagramClick", visible=False),
        item("Connect", "Connect", visible=False, children=[
            item("Connected", "Connect", "ConnectedClick"),
            line("N6", visible=False),
            item("ConnectHelp", "Connect Help", "ConnectHelpClick", visible=False),
        ]),
        item("About", "About", "AboutClick"),
    ])


# ---- File dialogs ----------------------------------------------------------------------------------------

def file_dialog(name, cls, extension):
    props = [("Filter", f"*.{extension}|*.{extension}")]
    if cls == "TSaveDialog":
        props.append(("Options", ["ofOverwritePrompt", "ofHideReadOnly", "ofEnableSizing"]))
    return Obj(name, cls, props)


# ---- The form --------------------------------------------------------------------------------------------

def main_form():
    return Obj("fmMain", "TfmMain", [
        ("Caption", CAPTION),
        ("ClientWidth", 1110),
        ("ClientHeight", 672),
        ("AutoScroll", False),
        ("Color", WINDOW),
        ("Menu", Ident("MainMenu")),
        ("Position", Ident("poScreenCenter")),
        ("OnClose", Ident("FormClose")),
        ("OnCreate", Ident("FormCreate")),
    ] + font(Ident("clBlack"), -12, "Arial"), [
        function_bar(),
        page_area(),
        preset_bar(),
        main_menu(),
        file_dialog("odOpenPreset", "TOpenDialog", "prs"),
        file_dialog("sdSavePreset", "TSaveDialog", "prs"),
        file_dialog("odOpenUnit", "TOpenDialog", "unt"),
        file_dialog("sdSaveUnit", "TSaveDialog", "unt"),
    ])


HEADER = [
    "// The main window. Written by tools/forms/main_form.py: change the script, not this file.",
]


def definition():
    return "\n".join(HEADER + main_form().lines()) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed file instead of writing")
    args = parser.parse_args()
    text = definition().encode("utf-8")
    if args.check:
        if not TARGET.is_file() or TARGET.read_bytes() != text:
            print(f"{TARGET.relative_to(ROOT)} is not what tools/forms/main_form.py writes (run it)", file=sys.stderr)
            return 1
        print(f"{TARGET.relative_to(ROOT)} checked")
        return 0
    TARGET.write_bytes(text)
    print(f"{TARGET.relative_to(ROOT)} written")
    return 0


if __name__ == "__main__":
    sys.exit(main())
