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
import re
import sys

import eq_test_forms as E
import pages_test_forms as P

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
# Captions stand Margin pixels below a button's top: the buttons are tall enough for them.
PAGE_BUTTON_TOP, PAGE_BUTTON_WIDTH, PAGE_BUTTON_HEIGHT = 2, 80, 36
# Left edge of each button in the bar: the four function pages, a gap, the six channels.
PAGE_BUTTON_LEFTS = [12, 96, 180, 264, 364, 448, 532, 616, 700, 784]

# The page buttons' click switches the page (a handler of the channel pages).
PAGE_BUTTON_CLICK = "rzbMenuInAClick"


def bitmap_button(name, left, top, width, height, caption, family, extra=(), colour="clWhite"):
    props = bounds(left, top, width, height)
    props += [(f"Bitmaps.{state}.File", picture(f"mainwindow/{family}_{state.lower()}.bmp")) for state in STATES]
    props += [("Bitmaps.TransparentColor", Ident("clTeal")), ("ButtonSize", Ident("bszStretchToButton")),
              ("Caption", caption)]
    props += font(Ident(colour), -12, "Arial", True)
    props += list(extra)
    return Obj(name, "TRzBmpButton", props)


def function_bar():
    children = []
    for (name, tag, caption, family), left in zip(PAGE_BUTTONS, PAGE_BUTTON_LEFTS):
        # The page shown at start is down, its caption lime as the page switch leaves a shown page's.
        shown = tag == SHOWN_PAGE_TAG
        extra = [("GroupIndex", 1)] + ([("Down", True)] if shown else [])
        extra += [("ShowFocus", False), ("Tag", tag), ("OnClick", Ident(PAGE_BUTTON_CLICK))]
        children.append(
            bound_events(bitmap_button(name, left, PAGE_BUTTON_TOP, PAGE_BUTTON_WIDTH, PAGE_BUTTON_HEIGHT,
                                       caption, f"page_{family}", extra, "clLime" if shown else "clWhite")))
    children.append(Obj("lbShowIdNumber", "TLabel", bounds(884, 15, 60, 16) + [
        ("AutoSize", False), ("Caption", "ID : 1"), ("Transparent", True)] + font(TEXT, -12, "Arial", True)))
    children.append(Obj("lbStatus", "TLabel", bounds(952, 15, 80, 16) + [
        ("AutoSize", False), ("Caption", "OffLine"), ("Transparent", True)] + font(TEXT, -12, "Arial")))
    # Down while the processor is online; the user's click connects or disconnects.
    children.append(bitmap_button("rzbMenuLink", 1040, PAGE_BUTTON_TOP, 70, PAGE_BUTTON_HEIGHT, "OffLine", "link",
                                  [("AllowAllUp", True), ("GroupIndex", 2), ("ShowFocus", False),
                                   ("OnClick", Ident("rzbMenuLinkClick"))]))
    return Obj("rzgFunction", "TRzGroupBox", bounds(-5, -2, 1115, 42) + [
        ("GroupStyle", Ident("gsCustom")), ("Transparent", True), ("TabOrder", 0)], children)


# ---- Pages -----------------------------------------------------------------------------------------------
# The controls inside the pages, built with the control tables of the channel pages' test forms (names,
# classes, Tags, ranges and handlers as the pages expect them) at the positions the layout rules give
# at 1118 x 720 (w = h = 0); positions no rule fixes are ours.

SUFFIXES = P.SUFFIXES
INPUTS, OUTPUTS = P.INPUTS, P.OUTPUTS
DIGITS = ["A", "B", "1", "2", "3", "4"]

# The page handlers the main form binds: every name the channel pages register on the form's class
# (the Forward lines of their binding table). An event of a page control whose handler is not among
# them is left out of the definition, so the form always loads.
PAGE_BINDINGS = ROOT / "src" / "pages" / "ChannelPageHandlers.h"


def page_handlers():
    return set(re.findall(r'b\.Forward\("(\w+)"', PAGE_BINDINGS.read_text(encoding="utf-8")))


PAGE_HANDLERS = page_handlers()


def set_props(obj, **values):
    """Sets (or adds) properties of an object from a page builder."""
    props = dict(obj.props)
    props.update(values)
    obj.props = list(props.items())
    return obj


def bound_events(obj):
    """Leaves out the events whose handler the main form does not bind, in the whole tree."""
    obj.props = [(k, v) for k, v in obj.props
                 if not (k.startswith("On") and str(v) not in PAGE_HANDLERS)]
    for child in obj.children:
        bound_events(child)
    return obj


def typed(obj):
    """The object (and its children) with the values of a page builder written as this script
    writes them: quoted texts as texts, numbers and truth values as they are, the rest as idents."""
    def value(v):
        if isinstance(v, P.Q):
            return str(v)
        if isinstance(v, (bool, int, Ident)) or not isinstance(v, str):
            return v
        return Ident(v)
    props = [(k, value(v)) for k, v in obj.props] if isinstance(obj, P.Obj) else obj.props
    return Obj(obj.name, obj.cls, props, [typed(c) for c in obj.children])


def put(obj, **values):
    """Sets (or adds) properties, keeping the place of those already set."""
    props = dict(obj.props)
    props.update(values)
    obj.props = list(props.items())
    return obj


# ---- The stated look -------------------------------------------------------------------------------------
# What every control of a kind holds on the main window, applied over the whole tree once it is built.
VALUE_BOX_LOOK = {"Rounding": 6, "BorderColor": Ident("clHighlightText"), "Color": Ident("$00FFFFDF"),
                  "Alignment": Ident("taCenter"), "AutoSelect": False, "HideSelection": False, "Height": 24}
FADER_LOOK = {"ShowFocus": True, "TrackHint": False, "Transparent": True, "Slider.BorderColor": Ident("clMedGray")}
BUTTON_LOOK = {"ShowFocus": False, "ParentFont": False, "Layout": Ident("blGlyphTop"), "CaptionDownOffset": 0,
               "Margin": 14}
SLOPE_LIST_LOOK = {"Style": Ident("csDropDown"), "FlatButtons": True, "Color": Ident("$00FFFFDF"),
                   "ParentFont": False, "Font.Color": Ident("clBlack"), "Font.Height": -11, "Font.Name": "Arial",
                   # Typing picks an item; a text outside the list would read as no slope (bypass).
                   "AllowEdit": False, "Text": "LK -48"}
POWER_BUTTON_LOOK = {"Color": Ident("clBlack"), "BevelWidth": 0, "OutlineWidth": 0, "Height": 16,
                     "Palette.Low": Ident("clOlive"), "Palette.High": Ident("clYellow"), "ParentFont": False}
DEMO_BUTTON_LOOK = {"Width": 65, "Height": 17, "Color": Ident("clBlack"), "BevelWidth": 1,
                    "FontEnter.Color": Ident("$0000DD00"), "FontEnter.Name": "Arial",
                    "FontLeave.Color": Ident("clActiveBorder"), "FontLeave.Name": "Arial"}
# Channel colours by channel (In A purple, In B olive, Out 1 red, Out 2 lime, Out 3 yellow, Out 4 blue).
CHANNEL_COLOURS = ["$00800080", "$00008080", "$000000FF", "$0000FF00", "$0000FFFF", "$00FF0000"]
# On the main window a bitmap button's click copies its modal result to the window, where it has no
# effect: the page, link and preset buttons carry 6, the others 5.
MODAL_RESULT_SIX = re.compile(r"^(rzbMenu\w+|bStore|bRecall)$")
FUNCTION_PAGE_BUTTONS = {"rzbMenuGain", "rzbMenuComp", "rzbMenuDelay", "rzbMenuMatrix"}


def stated_look(obj):
    if obj.cls == "TCurvyEdit":
        put(obj, **VALUE_BOX_LOOK)
    elif obj.cls == "TAdvTrackBar":
        put(obj, **FADER_LOOK)
    elif obj.cls == "TRzBmpButton":
        put(obj, **BUTTON_LOOK, ModalResult=6 if MODAL_RESULT_SIX.match(obj.name) else 5)
        # Only the function pages' buttons carry a disabled picture of their own; the channel page
        # buttons take theirs at start-up.
        if obj.name not in FUNCTION_PAGE_BUTTONS:
            obj.props = [(k, v) for k, v in obj.props if not k.startswith("Bitmaps.Disabled")]
    elif obj.cls == "TRzGroupBox":
        # No frame, no caption; all but the page area show what lies behind them.
        obj.props = [(k, v) for k, v in obj.props if k not in ("BorderOuter", "FlatColor", "Caption")]
        put(obj, GroupStyle=Ident("gsCustom"))
        if dict(obj.props).get("Transparent", True):
            obj.props = [(k, v) for k, v in obj.props if k != "Color"]
            put(obj, Transparent=True)
    elif obj.cls == "TRzComboBox":
        put(obj, **SLOPE_LIST_LOOK)
    elif obj.cls == "TVrPowerButton":
        tag = dict(obj.props).get("Tag", 0)
        put(obj, **POWER_BUTTON_LOOK, **{"Font.Color": Ident(CHANNEL_COLOURS[tag])})
    elif obj.cls == "TVrDemoButton":
        put(obj, **DEMO_BUTTON_LOOK)
    for child in obj.children:
        stated_look(child)
    return obj


def led(name, cls, left, top, width, caption, tag, handler=None, height=20):
    props = {**P.bounds(left, top, width, height), "Tag": tag, "Caption": P.Q(caption), "Color": "$00606060",
             **P.font(P.WHITE)}
    if cls == "TVrDemoButton":
        # The button draws its caption in these two fonts (bold 12 point unless set).
        props.update({"FontEnter.Color": P.LIME, "FontEnter.Height": -12, "FontEnter.Name": "'Arial'",
                      "FontLeave.Color": P.WHITE, "FontLeave.Height": -12, "FontLeave.Name": "'Arial'"})
    if handler:
        props["OnClick"] = handler
    return P.Obj(name, cls, props)


# Segments of a level meter: (red, yellow, green) counts, one segment per mark of the side's scale.
INPUT_SEGMENTS, OUTPUT_SEGMENTS = (1, 2, 6), (1, 3, 4)
# A limiter lamp: one segment, dark and lit orange.
LAMP_COLOUR, LAMP_LIT_COLOUR = 20123, 4629503


def meter(name, left, top, width, height, tag):
    """A level meter, its segments and maximum those of its side (the name tells In or Out)."""
    counts = INPUT_SEGMENTS if re.match(r"pbLevel(Backup)?In", name) else OUTPUT_SEGMENTS
    return P.Obj(name, "LProgressBar", {**P.bounds(left, top, width, height), "Tag": tag, "FirstNum": counts[0],
                                        "SecondNum": counts[1], "ThirdNum": counts[2], "Max": sum(counts)})


def lamp(name, left, top, width, height):
    return P.Obj(name, "LProgressBar", {**P.bounds(left, top, width, height), "Tag": 3, "SecondColor": LAMP_COLOUR,
                                        "FirstNum": 0, "SecondNum": 1, "ThirdNum": 0, "Max": 1,
                                        "LSecondColor": LAMP_LIT_COLOUR})


def plain_label(name, left, top, width, caption, colour=P.WHITE, size=None, tag=None):
    return P.label(name, left, top, caption, colour, tag, {"AutoSize": False, "Width": width, "Height": 16})


def overlay_group(name, left, width, toggles, first_active=False):
    """A row of curve overlay toggles: (name, caption, channel). The toggles of one plot share one
    handler, named after the first of them; on the Gain page the first one starts switched on."""
    handler = f"{toggles[0][0]}Click"
    buttons = [led(toggle, "TVrPowerButton", 2 + 64 * i, 0, 60, caption, channel, handler)
               for i, (toggle, caption, channel) in enumerate(toggles)]
    if first_active:
        set_props(buttons[0], Active=True)
    return P.Obj(name, "TRzGroupBox", {**P.bounds(left, 2, width, 20), "GroupStyle": "gsCustom",
                                       "Transparent": True, "Visible": True}, buttons)


def overlay_toggles(plot_suffix, channels):
    return [(f"vrbShow{DIGITS[c]}{plot_suffix}", SUFFIXES[c], c) for c in channels]


# ---- Channel pages
# The response plots as the main form sets them: the curves' own scale (96 kHz sample rate on the
# frequency axis, so that the grid and labels stand where the curves put 48000^(i/4096) Hz), the
# x range 966 to 3840 (12.7 Hz to 24.5 kHz), fixed ranges, a dark blue grid and green texts.
PLOT_FONT = [("Name", "Tahoma"), ("Height", -11)]
PLOT_FONT_COLOURS = [("PlotTitleFont", "$0000FF00"), ("AxisTitleFont", "$0000FF00"), ("AxisLabelFont", "$0000DD00"),
                     ("MouseCoordFont", "$0000FF00")]


def response_plot(name, left, top, width, height, tag, y_title="dB"):
    props = [*bounds(left, top, width, height), ("Tag", tag), ("Color", Ident("clBlack")),
             ("AxisColor", Ident("$00880000")), ("YAutoScale", False), ("XAutoScale", False),
             ("XMax", Ident("3840.0")), ("XMin", Ident("966.0")), ("GridColor", Ident("$00580000")),
             ("YTitle", y_title)]
    for font_name, colour_value in PLOT_FONT_COLOURS:
        props += [(f"{font_name}.Color", Ident(colour_value))] + [(f"{font_name}.{k}", v) for k, v in PLOT_FONT]
    props += [("SampleRate", Ident("n96000"))]
    props += [(k, Ident(v)) for k, v in E.MOUSE_EVENTS.items()]
    return Obj(name, "LMyFFTDrawPhase", props)


def plot_mode(name, left, width, caption, tag, colour, handler, checked=False):
    """One of a channel plot's two mode buttons: magnitude ("Mag") or phase."""
    props = {**P.bounds(left, 2, width, 18), "Tag": tag, "Caption": P.Q(caption), "Color": P.BLACK,
             **P.font(colour)}
    if checked:
        props["Checked"] = True
    props["OnClick"] = handler
    return P.Obj(name, "TRadioButton", props)


def channel_upper(c):
    s = SUFFIXES[c]
    side = INPUTS if c in INPUTS else OUTPUTS
    toggles = overlay_toggles(s, [d for d in side if d != c])
    left, width = (500, 176) if c in INPUTS else (460, 260)
    # fftDrawInA's y title is the degree sign.
    plot = response_plot(f"fftDraw{s}", 20, 24, 1070, 255, c, "\u00b0" if c == 0 else "dB")
    level = f"pbLevelIn{DIGITS[c]}" if c in INPUTS else f"pbLevelOut{DIGITS[c]}"
    # The meter stands beside the plot, its foot level with the plot's; an output's lamp above it.
    meter_height = 199 if c in INPUTS else 179
    children = [
        P.label(f"lbFftChannel{s}", 8, 4, s),
        plot_mode(f"rbShowGain{s}", 50, 48, "Mag", c, "clYellow", "rbShowGainInAClick", checked=True),
        plot_mode(f"rbShowPhase{s}", 100, 58, "Phase", c, "clSilver", "rbShowPhaseInAClick"),
        P.label(f"lbFftParam{s}", 164, 4, "Frequency  ( \u2190 / \u2192 )      Q(\uff0b/\uff0d)     Gain (  \u2191 / \u2193  )"),
        overlay_group(f"rzgFftShowCh{s}", left, width, toggles),
        led(f"vrbEqBypass{s}", "TVrDemoButton", 776, 3, 65, "EQ Bypass", c, "vrbEqBypassInAClick"),
        led(f"vrbEqReset{s}", "TVrDemoButton", 857, 3, 65, "Reset EQ", c, "vrbEqResetInAClick"),
        led(f"vrbEqShowAll{s}", "TVrPowerButton", 934, 3, 122, "SHOW ALL EQ", c, "vrbEqShowAllInAClick"),
        plot,
        # The meter and the limit lamp keep to the right of the plot as the window grows.
        set_props(meter(level, 1092, 279 - meter_height, 14, meter_height, c), Anchors="[akTop, akRight, akBottom]"),
    ]
    if c in OUTPUTS:
        children.append(set_props(lamp(f"pbLimitOut{DIGITS[c]}", 1092, 279 - meter_height - 24, 14, 22),
                                  Anchors="[akTop, akRight]"))
    return children


# The parameter area of a channel page, left to right: the band table (536 x 270: 93-pixel fields,
# rows of 29 or 26 pixels), the band buttons beside its rows, the band editor's three columns, the
# two crossovers and the gain box. Buttons of one group index pop each other up only under one
# parent, so the band buttons, each crossover and the gain box have a group box of their own.
TABLE_LEFT, TABLE_TOP, TABLE_WIDTH, TABLE_HEIGHT = 6, 10, 536, 270
TABLE_SPACE, TABLE_FOOT = 15, 16
# The band editor's columns: (left, box width); the frequency box holds " 630.0Hz" and "20.16KHz".
EDITOR_COLUMNS = [(582, 68), (654, 60), (718, 60)]
EDITOR_LEFT, BOX_WIDTH = 582, 68
FADER_TOP, FADER_HEIGHT, BOX_TOP = 40, 196, 244
LOWCUT_LEFT, HIGHCUT_LEFT, GAIN_LEFT = 780, 876, 972
BLOCK_WIDTH = 96


def row_height(c):
    rows = 8 if c in INPUTS else 9
    return (TABLE_HEIGHT - TABLE_SPACE - TABLE_FOOT) // rows


def band_buttons(c):
    """The band buttons, each beside its row of the table, in a box of their own."""
    s = SUFFIXES[c]
    h = row_height(c)
    # The band number stands Margin pixels below the top: a smaller font keeps it inside the button.
    buttons = [set_props(b, Left=2, Top=TABLE_SPACE + 7 + h * i, Width=30, Height=h - 1, **{"Font.Height": -10})
               for i, b in enumerate(E.band_buttons(c))]
    return P.Obj(f"rzgEqBand{s}", "TRzGroupBox", {**P.bounds(TABLE_LEFT + TABLE_WIDTH + 2, TABLE_TOP, 34, TABLE_HEIGHT),
                                                   "GroupStyle": "gsCustom", "Transparent": True}, buttons)


def band_editor(c):
    s = SUFFIXES[c]
    key_events = {"OnKeyDown": "cvdEqFreqInAKeyDown", "OnExit": "cvdEqFreqInAExit"}
    columns = [("Freq", 0, 300, 0, 15, "19.7Hz", key_events), ("Bw", 0, 100, 0, 5, "0.4", None),
               ("Gain", 0, 240, 120, 3, "+0.0dB", None)]
    objs = [plain_label(f"lbEqParam{s}", EDITOR_LEFT, 2, 186, "PEQ Parameter")]
    for (kind, low, high, position, page, text, events), (left, width) in zip(columns, EDITOR_COLUMNS):
        # Heading and slider centred over the box.
        objs.append(P.label(f"lbEq{kind}{s}", left - 2, 22, kind,
                            extra={"AutoSize": False, "Width": width + 4, "Height": 16, "Alignment": "taCenter"}))
        objs.append(P.fader(f"isEq{kind}{s}", left + width // 2 - 13, FADER_TOP, FADER_HEIGHT, low, high, c,
                            f"isEq{kind}InAChange", position=position, page=page))
        objs.append(P.value_box(f"cvdEq{kind}{s}", left, BOX_TOP, text, c, read_only=True, events=events,
                                width=width))
    return objs


def crossover(c, prefix, left, position, text, caption):
    """A crossover in a box of its own: its heading and slider, and beside the slider the slope
    heading and list, the bypass button and the frequency box."""
    s = SUFFIXES[c]
    heading, fader, slope, bypass, box = E.crossover(c, prefix, 0, position, text, caption)
    heading.name = f"lb{prefix}Freq{s}"
    set_props(heading, Left=2, Top=12)
    set_props(fader, Left=4, Top=FADER_TOP - 10, Height=FADER_HEIGHT)
    column = 28
    set_props(slope, Left=column, Top=56, Width=66, Height=21)
    set_props(bypass, Left=column, Top=110, Width=66, Height=40, GroupIndex=1)
    set_props(box, Left=column, Top=BOX_TOP - 10, Width=BOX_WIDTH)
    return P.Obj(f"rzg{prefix}{s}", "TRzGroupBox",
                 {**P.bounds(left, 10, BLOCK_WIDTH, 272), "GroupStyle": "gsCustom", "Transparent": True},
                 [heading, fader, slope, bypass, box, P.label(f"lb{prefix}Slop{s}", column, 36, "Slope")])


def gain_box(c):
    s = SUFFIXES[c]
    return P.Obj(f"rzgGain{s}", "TRzGroupBox",
                 {**P.bounds(GAIN_LEFT, 0, BLOCK_WIDTH, 282), "GroupStyle": "gsCustom", "Transparent": True}, [
                     P.label(f"lbGain{s}", 2, 8, "Gain"),
                     P.label(f"lbGainName{s}", 40, 8, s),
                     P.fader(f"isGain{s}", 4, 26, 210, -280, 120, c, "isGainInAChange"),
                     P.value_box(f"cvdGain{s}", 34, BOX_TOP, "+0.0dB", c, read_only=True, width=60),
                     P.button(f"rzbMute{s}", 34, 60, "Mute", c, group=2, all_up=True, on_click="rzbMuteInAClick",
                              width=60, height=40),
                     P.button(f"rzbPhase{s}", 34, 120, "Normal", c, group=1, all_up=True, on_click="rzbPhaseInAClick",
                              width=60, height=40),
                 ])


def channel_lower(c):
    s = SUFFIXES[c]
    table = set_props(E.band_table(c), Left=TABLE_LEFT, Top=TABLE_TOP, Width=TABLE_WIDTH, Height=TABLE_HEIGHT)
    table.props = [(k, v) for k, v in table.props if k not in ("Color", "Caption")]
    set_props(table, GroupStyle="gsCustom", Transparent=True, LabelColor="clBackground", EditBackColor="clWhite",
              BypassBackColor="clSilver", **{"Font.Height": -13})
    # The column heading is one text with blanks between its words: in Arial 14 its words stand
    # over the 93-pixel columns of the table.
    heading = set_props(plain_label(f"lbEq{s}", 6, -2, 536, " PEQ       Frequency              Q                    Gain"
                                    "                 Type                Bypass"), Height=18, **{"Font.Height": -14,
                                                                                             "Font.Name": P.Q("Arial")})
    return [heading, table, band_buttons(c), *band_editor(c),
            crossover(c, "LowCut", LOWCUT_LEFT, 0, "19.7Hz", "HPF"),
            crossover(c, "HighCut", HIGHCUT_LEFT, 300, "20.16KHz", "LPF"), gain_box(c)]


# ---- Gain page
def group_box(name, left, top, width, height, children=()):
    """A framed group box that paints nothing of its own: the page shows through."""
    return P.Obj(name, "TRzGroupBox", {**P.bounds(left, top, width, height), "GroupStyle": "gsCustom",
                                       "Transparent": True}, children)


def gain_upper():
    return [
        P.label("lbFftGainIn", 14, 4, "Input"),
        overlay_group("rzgFftShowChIn", 260, 176, overlay_toggles("Gain", INPUTS), first_active=True),
        response_plot("fftDrawGainIn", 10, 24, 530, 255, 0),
        P.label("lbFftGainOut", 600, 4, "Output"),
        overlay_group("rzgFftShowChOut", 720, 260, overlay_toggles("Gain", OUTPUTS), first_active=True),
        response_plot("fftDrawGainOut", 550, 24, 530, 255, 0),
    ]


def gain_column(c):
    """A channel's column of the Gain page: slider, text, mute and polarity, meter (and lamp)."""
    s = SUFFIXES[c]
    d = DIGITS[c]
    meter_height = 122 if c in INPUTS else 110
    children = [
        P.label(f"lbGainColumn{s}", 6, 4, s),
        P.fader(f"isGainBackup{s}", 14, 24, 220, -280, 120, c, "isGainBackupInAChange"),
        P.value_box(f"cvdGainBackup{s}", 60, 40, "+0.0dB", c, read_only=True, width=64),
        P.button(f"rzbMuteBackup{s}", 56, 96, "Mute", c, group=2, all_up=True, on_click="rzbMuteBackupInAClick",
                 height=40),
        P.button(f"rzbPhaseBackup{s}", 56, 150, "Normal", c, group=3, all_up=True,
                 on_click="rzbPhaseBackupInAClick", height=40),
        meter(f"pbLevelBackupIn{d}" if c in INPUTS else f"pbLevelBackupOut{d}", 145, 240 - meter_height, 14,
              meter_height, c),
    ]
    if c in OUTPUTS:
        children.append(lamp(f"pbLimitBackupOut{d}", 145, 240 - meter_height - 14, 14, 11))
    return group_box(f"plGainColumn{s}", 15 + 175 * c, 24, 165, 250, children)


def gain_lower():
    return [P.label("lbGainInput", 15, 4, "Input"), P.label("lbGainOutput", 365, 4, "Output"),
            *[gain_column(c) for c in range(6)]]


# ---- Compressor page
SCALE = [("Limit", "Limit"), ("Clip", "Clip"), ("12", "+12"), ("5", "+5"), ("0", "0"), ("N5", "-5"),
         ("N15", "-15"), ("N30", "-30"), ("N60", "-60")]
SELECTED_SCALE_TOPS = [22, 45, 68, 91, 115, 138, 161, 184, 208]
OUTPUT_SCALE_TOPS = [35, 58, 81, 105, 128, 151, 175, 198, 222]


def meter_panel(name, suffix, left, width, meter_top, lamp_top, tops, heading):
    children = [heading] if heading else []
    children.append(lamp(f"pbLimitComp{suffix}", width - 20, lamp_top, 14, 22))
    children.append(meter(f"pbLevelComp{suffix}", width - 20, meter_top, 14, 185, 0))
    children += [plain_label(f"lb{key}Comp{suffix}", 2, top, width - 24, text, size=9)
                 for (key, text), top in zip(SCALE, tops)]
    return group_box(name, left, 30, width, 247, children)


HIDDEN_PLOT_OBJECT = """<
    item
      Name = '{name}'
      Visible = False
    end>"""

# The transfer curve in white, two pixels wide; the knee a dotted trace with markers of size 5.
COMP_PLOT_CHANNELS = """<
    item
      Name = 'Channel 1'
      Color = clWhite
      TraceLineWidth = 2
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
    end
    item
      Name = 'Channel 2'
      Color = clYellow
      TraceLineStyle = iplsDot
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
      MarkersVisible = True
      MarkersSize = 5
    end>"""


def comp_upper():
    selected = meter_panel("plLevelCompOut", "Out", 4, 52, 43, 18, SELECTED_SCALE_TOPS,
                           P.label("lbHeadCompOut", 2, 2, "Out 1"))
    outputs = [meter_panel(f"plLevelComp{SUFFIXES[c]}", SUFFIXES[c], 73 * c + 654, 70, 55, 30, OUTPUT_SCALE_TOPS,
                           P.label(f"lbLevelComp{SUFFIXES[c]}", 2, 2, SUFFIXES[c]))
               for c in OUTPUTS]
    # The transfer plot (no title, both axes -100 to +20 dB), without the plot's own toolbar and
    # legend: the page names the output.
    plot = P.comp_plot()
    plot.props = [(key, value) for key, value in plot.props if key not in P.bounds(0, 0, 0, 0)]
    plot.props[:0] = list(P.bounds(60, 30, 720, 230).items())
    plot.props = [(k, COMP_PLOT_CHANNELS if k == "ChannelManager" else v) for k, v in plot.props]
    plot.props += [("ToolBarManager", HIDDEN_PLOT_OBJECT.format(name="Toolbar 1")),
                   ("LegendManager", HIDDEN_PLOT_OBJECT.format(name="Legend 1"))]
    return [plain_label("lbCompName", 60, 6, 673, "Out 1  Compressor"), plot, selected, *outputs]


def comp_column(c):
    s = SUFFIXES[c]
    params = [("Threshold", -180, 40, 0, "+0.0dB"), ("Ratio", 0, 15, 0, "1:1.0"), ("Attack", 0, 998, 0, "  1ms"),
              ("Release", 0, 998, 0, "  1ms")]
    children = [P.label(f"lbComp{s}", 8, 4, s, tag=c, extra={"OnMouseDown": "lbCompOut1MouseDown"})]
    for i, (kind, low, high, position, text) in enumerate(params):
        left = 8 + 62 * i
        # Each heading centred over its slider and value, so that neighbouring headings keep apart;
        # the language switch names them (lbCompThresholdOut1 ...).
        children.append(P.label(f"lbComp{kind}{s}", left - 1, 22, kind,
                                extra={"AutoSize": False, "Width": 60, "Height": 16, "Alignment": "taCenter"}))
        # One mouse-down handler serves all sixteen sliders, another all sixteen edits; these
        # sixteen sliders carry the disabled thumb.
        fader = P.fader(f"isComp{kind}{s}", left + 16, 40, 196, low, high, c, f"isComp{kind}Out1Change",
                        position=position, page=10)
        fader.props.append(("Thumb.PictureDisabled", "@':/images/widgets/fader_thumb_disabled.png'"))
        fader.props.append(("OnMouseDown", "isCompThresholdOut1MouseDown"))
        children.append(fader)
        children.append(P.value_box(f"cvdComp{kind}{s}", left - 1, 244, text, c, width=60, events={
            "OnKeyDown": f"cvdComp{kind}Out1KeyDown", "OnExit": f"cvdComp{kind}Out1Exit",
            "OnMouseDown": "cvdCompThresholdOut1MouseDown"}))
    return group_box(f"rzgComp{s}", 4 + 266 * (c - 2), 4, 260, 274, children)


def comp_lower():
    return [comp_column(c) for c in OUTPUTS]


# ---- Delay page
def delay_row(c):
    """A channel's row: the test form's, with an output's name a pixel lower (its layout rule)."""
    objs = P.delay_row(c)
    if c in OUTPUTS:
        set_props(objs[0], Top=50 * c - 73)
    return objs


def delay_column(c):
    name, fader, box = P.delay_column(c)
    left = 15 + 150 * c
    set_props(box, Left=left + 18, Width=70)
    return [name, fader, box]


def delay_upper():
    return [
        plain_label("lbFftDelayIn", 10, 4, 520, "Input Delay"),
        group_box("plFftDelayIn", 10, 24, 520, 234, [o for c in INPUTS for o in delay_row(c)]),
        plain_label("lbFftDelayOut", 560, 4, 520, "Output Delay"),
        group_box("plFftDelayOut", 560, 24, 520, 234, [o for c in OUTPUTS for o in delay_row(c)]),
    ]


def delay_lower():
    units = [P.button(f"rzbUnit{u}", 950, 50 + 60 * u, caption, u, group=1, down=u == 0, on_click="rzbUnit0Click",
                      height=40)
             for u, caption in enumerate(["ms", "m", "ft"])]
    return [P.label("lbDelayInput", 19, 4, "Input"), P.label("lbDelayOutput", 319, 4, "Output"),
            P.label("lbDelayUnit", 950, 24, "Unit"), *[o for c in range(6) for o in delay_column(c)], *units]


# ---- Matrix page
# Blocks of a row in signal order: (block, caption, colour, left at w = 0).
INPUT_BLOCKS = [("Gain", "GAIN", "$00007000", 77), ("Mute", "MUTE", "$00000080", 134),
                ("HpLp", "HP/LP", "$00705000", 191), ("Peq", "PEQ", "$00700070", 248),
                ("Phase", "PHASE", "$00006070", 305), ("Delay", "DELAY", "$00606000", 362)]
OUTPUT_BLOCKS = [("Xover", "XOVER", "$00705000", 2), ("Peq", "PEQ", "$00700070", 61),
                 ("Gain", "GAIN", "$00007000", 121), ("Comp", "COMP", "$00804000", 180),
                 ("Phase", "PHASE", "$00006070", 240), ("Delay", "DELAY", "$00606000", 298),
                 ("Mute", "MUTE", "$00000080", 359)]


def name_block(s, c, shape_left, fixed_left, name_left, label_width):
    shape, fixed, name = P.name_block(s, c, 0)
    set_props(shape, Left=shape_left, Width=58)
    set_props(fixed, Left=fixed_left, Width=label_width)
    set_props(name, Left=name_left, Width=label_width)
    return [shape, fixed, name]


# A click on a block label jumps to the page that edits it: the channel's own page, the Delay page or
# the Comp page.
BLOCK_JUMPS = {"Delay": "lbMatrixDelayInAClick", "Comp": "lbMatrixCompOut1Click"}


def matrix_block(kind, s, c, *look):
    shape, label = P.block(kind, s, c, *look)
    # One pixel larger than the test form's, so that the bold serif capitals keep their middle bars
    # ("E" stays an E) when drawn without smoothing.
    set_props(label, OnClick=BLOCK_JUMPS.get(kind, "lbMatrixHpLpInAClick"), Top=12, Height=16,
              **{"Font.Height": -12})
    return [shape, label]


def row_panel(name, left, top, width, children):
    """A matrix row: a borderless panel that lets the page show through."""
    return P.Obj(name, "TRzPanel", {**P.bounds(left, top, width, 40), "BorderOuter": "fsNone", "Ctl3D": False,
                                    "Transparent": True}, children)


def matrix_row(c):
    s = SUFFIXES[c]
    if c in INPUTS:
        children = name_block(s, c, 0, 0, 0, 70) + [o for b in INPUT_BLOCKS for o in matrix_block(b[0], s, c, *b[1:])]
        return row_panel(f"plMatrix{s}", 48, 110 * c + 70, 415, children)
    children = ([o for b in OUTPUT_BLOCKS for o in matrix_block(b[0], s, c, *b[1:])] +
                name_block(s, c, 416, 418, 419, 80))
    return row_panel(f"plMatrix{s}", 561, 57 * c - 74, 510, children)


# Captioned pictures over the routing: disabled shaped buttons whose pictures the form keeps.
def shape_badge(name, left, top, shape, caption, caption_xy, font_colour):
    file = picture(f"widgets/shape_{shape}.bmp")
    return Obj(name, "TRzShapeButton", bounds(left, top, 120, 32) + [
        ("BevelWidth", 0), ("BorderStyle", Ident("bsNone")), ("Bitmap.File", file), ("BitmapUp", file),
        ("BitmapDown", file), ("Caption", caption), ("CaptionPosition", Ident("cpXY")), ("CaptionX", caption_xy[0]),
        ("CaptionY", caption_xy[1]), ("Enabled", False), ("ParentFont", False)] +
        font(Ident(font_colour), -12, "Arial", True))


def matrix_upper():
    rows = [matrix_row(c) for c in range(6)]
    badges = [shape_badge("rzsMatrixInput", 48, 22, "arrow", "INPUT", (14, 6), "clBlack"),
              shape_badge("rzsMatrixOutput", 420, 4, "arrow", "OUTPUT", (18, 4), "clBlack")]
    return badges + rows[:2] + [P.Obj("pbMatrix", "TPaintBox", P.bounds(465, 52, 97, 178))] + rows[2:]


def matrix_lower():
    groups = []
    for n in range(1, 5):
        group = P.routing_group(n)
        s = SUFFIXES[n + 1]
        for button in group.children:
            if button.cls == "TRzBmpButton":
                set_props(button, Height=40)
        # The output's title over a badge naming what it picks.
        group.children.insert(0, shape_badge(f"rzsMatrixSource{s}", 6, 2, "capsule", "SOURCE", (60, 10), "clWhite"))
        # The unit has two inputs: the third and fourth route buttons stay hidden.
        for row, left in (("C", 20), ("D", 124)):
            extra = P.button(f"rzb{row}Matrix{s}", left, 110, f"In{row}", 2 if row == "C" else 3, group=3 if row == "C" else 4,
                             all_up=True, width=96, height=40)
            # Start-up gives them the pressed pictures of rzbAMatrixOut1.
            extra.props = [(k, v) for k, v in extra.props if k not in ("Bitmaps.StayDown.File", "Bitmaps.Disabled.File")]
            extra.props.append(("Visible", False))
            group.children.append(extra)
        groups.append(group)
    return groups


PAGE_CONTENTS = {
    "Gain": (gain_upper, gain_lower),
    "Comp": (comp_upper, comp_lower),
    "Delay": (delay_upper, delay_lower),
    "Matrix": (matrix_upper, matrix_lower),
    **{s: (lambda c=c: channel_upper(c), lambda c=c: channel_lower(c)) for c, s in enumerate(SUFFIXES)},
}


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
# Each page's upper (plot) group and lower (parameter) group.
UPPER_GROUP = (0, 0, 1112, 284)
LOWER_GROUP = (20, 292, 1070, 282)


def page_group(name, left, top, width, height, visible, children=(), extra=()):
    # No frame and no fill: the background pictures show through.
    return Obj(name, "TRzGroupBox", bounds(left, top, width, height) + [
        ("GroupStyle", Ident("gsCustom")), ("Transparent", True), ("Visible", visible)] + list(extra),
        children)


def page_area():
    children = [Obj(name, "TImage", bounds(left, top, width, height) + [
        ("Picture.File", picture(f"mainwindow/background_{part}.png")), ("Stretch", True)])
        for name, left, top, width, height, part in BACKGROUNDS]
    for page in PAGES:
        upper, lower = PAGE_CONTENTS[page]
        shown = page == SHOWN_PAGE
        upper_extra = [("OnPaint", Ident("rzgFftMatrixPaint"))] if page == "Matrix" else []
        # A channel page's two groups would fill from their middle outward, were they not transparent.
        square = [("GradientDirection", Ident("gdSquareBox"))] if page in SUFFIXES else []
        children.append(bound_events(page_group(f"rzgFft{page}", *UPPER_GROUP, shown, upper(), upper_extra + square)))
        children.append(bound_events(page_group(f"rzgParam{page}", *LOWER_GROUP, shown, lower(), square)))
    # The one group box that paints its own ground: where the pictures leave a strip, the window's colour.
    return Obj("rzgMain", "TRzGroupBox", bounds(0, 40, 1112, 629) + [
        ("Color", WINDOW), ("GroupStyle", Ident("gsCustom")), ("Transparent", False), ("TabOrder", 1)], children)


# ---- Preset bar ------------------------------------------------------------------------------------------

def labelled_box(name, left, width, heading, heading_text, value, value_left, value_text_):
    return Obj(name, "TRzGroupBox", bounds(left, 4, width, 32) + [
        ("GroupStyle", Ident("gsCustom")), ("Transparent", True)], [
        Obj(heading, "TLabel", bounds(8, 8, value_left - 14, 16) + [
            ("AutoSize", False), ("Caption", heading_text), ("Transparent", True)] + font(TEXT, -12, "Arial", True)),
        Obj(value, "TLabel", bounds(value_left, 8, width - value_left - 8, 16) + [
            ("AutoSize", False), ("Caption", value_text_), ("Transparent", True)] + font(VALUE_TEXT, -12, "Arial", True)),
    ])


def preset_button(name, left, caption, handler):
    props = bounds(left, 4, 90, 32)
    props += [(f"Bitmaps.{state}.File", picture(f"dialogs/button_{state.lower()}.bmp"))
              for state in ("Up", "Hot", "Down")]
    props += [("ButtonSize", Ident("bszStretchToButton")), ("Caption", caption), ("OnClick", Ident(handler))]
    return Obj(name, "TRzBmpButton", props)


def preset_bar():
    return Obj("rzgPreset", "TRzGroupBox", bounds(10, 626, 1100, 40) + [
        ("GroupStyle", Ident("gsCustom")), ("Transparent", True), ("TabOrder", 2)], [
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

# ---- Splash screens --------------------------------------------------------------------------------------
# Two splash components: asScreen never shows; asScreenTROV316 shows while the form is read and closes at
# the window's first show or 100 ms after it showed. Pictures from tools/images (splash.py).
SPLASH_LIST_ITEMS = """<
    item
      HTMLText = '<BR><BR><FONT SIZE="20" COLOR="clWhite">Loading Program....</FONT><BR>'
    end>"""
SPLASH_ITEMS = """<
    item
      Picture = @':/images/splash/item.png'
      PosX = 200
      PosY = 60
    end>"""


def splash_heading(path, text, x, y, height, bold):
    props = [(f"{path}.Text", text), (f"{path}.Location", Ident("ilCustom")), (f"{path}.PosX", x),
             (f"{path}.PosY", y), (f"{path}.ColorStart", Ident("clWhite")), (f"{path}.HatchStyle", Ident("HatchStyleDivot")),
             (f"{path}.Font.Color", Ident("clWhite")), (f"{path}.Font.Height", height), (f"{path}.Font.Name", "Tahoma")]
    if bold:
        props.append((f"{path}.Font.Style", ["fsBold"]))
    return props


def splash(name, shown):
    props = [] if shown else [("AutoShow", False), ("AutoAdaptPictureSize", False)]
    props += splash_heading("BasicProgramInfo.ProgramName", *(("TROV316 DSP Processor Editor", 45, 170) if shown else
                                                              ("2x4 DSP Processor Editor", 85, 130)), -29, True)
    props += splash_heading("BasicProgramInfo.ProgramVersion", "Ver 1.1", *((515, 180) if shown else (480, 140)), -13,
                            True)
    props += [("BasicProgramInfo.CopyRightFont.Name", "Tahoma"),
              ("CloseOnTimeout", True), ("Fill.GradientType", Ident("gtNone")),
              ("Fill.Picture", picture("splash/background.png")), ("Fill.PicturePosition", Ident("ppBottomCenter")),
              ("Fill.Opacity", 249), ("TimeOut", 100), ("DisplayStyle", Ident("dsNormal"))]
    if shown:
        props.append(("Items", Ident(SPLASH_ITEMS)))
    props += [("ListItems", Ident(SPLASH_LIST_ITEMS)), ("ListItemsSettings.Rect.Left", 180),
              ("ListItemsSettings.Rect.Top", 210), ("ListItemsSettings.Rect.Width", 500),
              ("ListItemsSettings.Rect.Height", 250), ("ListItemsSettings.HTMLFont.Name", "Tahoma"),
              ("ListItemsSettings.HTMLFont.Height", -11), ("ProgressBar.Step", Ident("10.0")),
              ("ProgressBar.Maximum", Ident("100.0")), ("ProgressBar.Left", 160), ("ProgressBar.Top", 220),
              ("ProgressBar.Height", 12), ("ProgressBar.ProgressFill.Color", Ident("clWhite")),
              ("ProgressBar.ProgressFill.ColorTo", Ident("$00FFC080")),
              ("ProgressBar.BackGroundFill.BorderColor", Ident("clGray"))]
    return Obj(name, "TAdvSmoothSplashScreen", props)


def main_form():
    return stated_look(typed(Obj("fmMain", "TfmMain", [
        ("Caption", CAPTION),
        ("ClientWidth", 1110),
        ("ClientHeight", 672),
        ("AutoScroll", False),
        ("Color", WINDOW),
        ("Menu", Ident("MainMenu")),
        ("Position", Ident("poScreenCenter")),
        ("OnClose", Ident("FormClose")),
        ("OnCreate", Ident("FormCreate")),
        ("OnResize", Ident("FormResize")),
    ] + font(Ident("clBlack"), -12, "Arial"), [
        splash("asScreen", False),
        splash("asScreenTROV316", True),
        function_bar(),
        page_area(),
        preset_bar(),
        main_menu(),
        # One-shot timers of the curve redraws after a band or crossover edit and a marker drag step.
        bound_events(E.timer("tmEqCurve", "tmEqCurveTimer")),
        bound_events(E.timer("tmHpLpCurve", "tmHpLpCurveTimer")),
        bound_events(E.timer("tmMouseEqCurve", "tmMouseEqCurveTimer")),
        file_dialog("odOpenPreset", "TOpenDialog", "prs"),
        file_dialog("sdSavePreset", "TSaveDialog", "prs"),
        file_dialog("odOpenUnit", "TOpenDialog", "unt"),
        file_dialog("sdSaveUnit", "TSaveDialog", "unt"),
    ])))


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
