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
PAGE_BUTTON_TOP, PAGE_BUTTON_WIDTH, PAGE_BUTTON_HEIGHT = 8, 80, 30
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
        ("Color", BAR), ("GroupStyle", Ident("gsCustom")), ("TabOrder", 0)], children)


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
    plot = P.Obj(f"fftDraw{s}", "LMyFFTDrawPhase", {**P.bounds(20, 24, 1070, 255), "Tag": c, "Color": P.BLACK,
                                                     "XAutoScale": False, "YAutoScale": False, **E.MOUSE_EVENTS})
    level = f"pbLevelIn{DIGITS[c]}" if c in INPUTS else f"pbLevelOut{DIGITS[c]}"
    children = [
        P.label(f"lbFftChannel{s}", 8, 4, s),
        plot_mode(f"rbShowGain{s}", 50, 48, "Mag", c, "clYellow", "rbShowGainInAClick", checked=True),
        plot_mode(f"rbShowPhase{s}", 100, 58, "Phase", c, "clSilver", "rbShowPhaseInAClick"),
        P.label(f"lbFftParam{s}", 164, 4, "Frequency  ( \u2190 / \u2192 )      Q(\uff0b/\uff0d)     Gain (  \u2191 / \u2193  )"),
        overlay_group(f"rzgFftShowCh{s}", left, width, toggles),
        led(f"vrbEqBypass{s}", "TVrDemoButton", 776, 2, 78, "EQ Bypass", c, "vrbEqBypassInAClick"),
        led(f"vrbEqReset{s}", "TVrDemoButton", 857, 2, 74, "Reset EQ", c, "vrbEqResetInAClick"),
        led(f"vrbEqShowAll{s}", "TVrPowerButton", 934, 2, 122, "SHOW ALL EQ", c, "vrbEqShowAllInAClick"),
        plot,
        # The meter and the limit lamp keep to the right of the plot as the window grows.
        set_props(meter(level, 1092, 40, 14, 239, c), Anchors="[akTop, akRight, akBottom]"),
    ]
    if c in OUTPUTS:
        children.append(set_props(lamp(f"pbLimitOut{DIGITS[c]}", 1092, 24, 14, 12), Anchors="[akTop, akRight]"))
    return children


def band_editor(c):
    s = SUFFIXES[c]
    key_events = {"OnKeyDown": "cvdEqFreqInAKeyDown", "OnExit": "cvdEqFreqInAExit"}
    columns = [("Freq", 0, 300, 0, 15, " 19.7Hz", key_events), ("Bw", 0, 100, 0, 5, "0.40", None),
               ("Gain", 0, 240, 120, 3, "+0.0dB", None)]
    objs = [plain_label(f"lbEqParam{s}", 526, 2, 200, "PEQ Parameter")]
    for i, (kind, low, high, position, page, text, events) in enumerate(columns):
        left = 524 + 70 * i
        objs.append(P.label(f"lbEq{kind}{s}", left + 4, 22, kind))
        objs.append(P.fader(f"isEq{kind}{s}", left + 20, 40, 196, low, high, c, f"isEq{kind}InAChange",
                            position=position, page=page))
        objs.append(P.value_box(f"cvdEq{kind}{s}", left, 244, text, c, read_only=True, events=events, width=66))
    return objs


# A crossover's column beside its slider: the slope box, the bypass button and the frequency box.
CROSSOVER_COLUMN_OFFSET, CROSSOVER_COLUMN_WIDTH = 38, 76


def crossover(c, prefix, left, position, text, caption):
    """A crossover's controls, with its frequency and slope headings."""
    s = SUFFIXES[c]
    heading, fader, slope, bypass, box = E.crossover(c, prefix, left, position, text, caption)
    heading.name = f"lb{prefix}Freq{s}"
    column = left + CROSSOVER_COLUMN_OFFSET
    column_controls = [set_props(o, Left=column, Width=CROSSOVER_COLUMN_WIDTH) for o in (slope, bypass, box)]
    return [heading, fader, *column_controls, P.label(f"lb{prefix}Slop{s}", column, 42, "Slope")]


def gain_box(c):
    s = SUFFIXES[c]
    return [
        P.label(f"lbGain{s}", 982, 8, "Gain"),
        P.label(f"lbGainName{s}", 1018, 8, s),
        P.fader(f"isGain{s}", 982, 26, 210, -280, 120, c, "isGainInAChange"),
        P.value_box(f"cvdGain{s}", 978, 244, "+0.0dB", c, read_only=True, width=80),
        P.button(f"rzbMute{s}", 1012, 60, "Mute", c, group=2, all_up=True, on_click="rzbMuteInAClick", width=48),
        P.button(f"rzbPhase{s}", 1012, 110, "Normal", c, group=1, all_up=True, on_click="rzbPhaseInAClick",
                 width=48),
    ]


def channel_lower(c):
    s = SUFFIXES[c]
    table = set_props(E.band_table(c), Top=24, Height=254)
    buttons = [set_props(b, Left=482, Top=24 + 28 * i, Height=25) for i, b in enumerate(E.band_buttons(c))]
    children = [plain_label(f"lbEq{s}", 6, 4, 470, " PEQ       Frequency              Q                    Gain"
                            "                 Type                Bypass"), table, *buttons, *band_editor(c),
                *crossover(c, "LowCut", 736, 0, " 19.7Hz", "HPF"), *crossover(c, "HighCut", 852, 300, "20.16KHz", "LPF"),
                *gain_box(c)]
    return children


# ---- Gain page
def gain_upper():
    return [
        P.label("lbFftGainIn", 14, 4, "Input"),
        overlay_group("rzgFftShowChIn", 260, 176, overlay_toggles("Gain", INPUTS), first_active=True),
        P.Obj("fftDrawGainIn", "LMyFFTDrawPhase", {**P.bounds(10, 24, 530, 255), "Color": P.BLACK,
                                                   "XAutoScale": False, "YAutoScale": False, **E.MOUSE_EVENTS}),
        P.label("lbFftGainOut", 600, 4, "Output"),
        overlay_group("rzgFftShowChOut", 720, 260, overlay_toggles("Gain", OUTPUTS), first_active=True),
        P.Obj("fftDrawGainOut", "LMyFFTDrawPhase", {**P.bounds(550, 24, 530, 255), "Color": P.BLACK,
                                                    "XAutoScale": False, "YAutoScale": False, **E.MOUSE_EVENTS}),
    ]


def gain_lower():
    columns = []
    for c in range(6):
        column = P.gain_column(c)
        d = DIGITS[c]
        column.children.append(meter(f"pbLevelBackupIn{d}" if c in INPUTS else f"pbLevelBackupOut{d}",
                                     147, 86, 14, 154, c))
        if c in OUTPUTS:
            column.children.append(lamp(f"pbLimitBackupOut{d}", 147, 70, 14, 12))
        columns.append(column)
    return [P.label("lbGainInput", 15, 4, "Input"), P.label("lbGainOutput", 365, 4, "Output"), *columns]


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
    return P.panel(name, left, 30, width, 247, P.BLACK, children)


HIDDEN_PLOT_OBJECT = """<
    item
      Name = '{name}'
      Visible = False
    end>"""


def comp_upper():
    selected = meter_panel("plLevelCompOut", "Out", 4, 52, 43, 18, SELECTED_SCALE_TOPS,
                           P.label("lbHeadCompOut", 2, 2, "Out 1"))
    outputs = [meter_panel(f"plLevelComp{SUFFIXES[c]}", SUFFIXES[c], 73 * c + 654, 70, 55, 30, OUTPUT_SCALE_TOPS,
                           P.label(f"lbLevelComp{SUFFIXES[c]}", 2, 2, SUFFIXES[c]))
               for c in OUTPUTS]
    # The transfer plot as the Comp page's test form has it (no title, both axes -100 to +20 dB, the
    # knee drawn as a marker), without the plot's own toolbar and legend: the page names the output.
    plot = P.comp_plot()
    plot.props = [(key, value) for key, value in plot.props if key not in P.bounds(0, 0, 0, 0)]
    plot.props[:0] = list(P.bounds(60, 30, 720, 230).items())
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
        # One mouse-down handler serves all sixteen sliders, another all sixteen edits.
        fader = P.fader(f"isComp{kind}{s}", left + 16, 40, 196, low, high, c, f"isComp{kind}Out1Change",
                        position=position, page=10)
        fader.props.append(("OnMouseDown", "isCompThresholdOut1MouseDown"))
        children.append(fader)
        # A tighter rounding leaves the edit room for the longest value ("-18.0dB").
        box = P.value_box(f"cvdComp{kind}{s}", left - 1, 244, text, c, width=60, events={
            "OnKeyDown": f"cvdComp{kind}Out1KeyDown", "OnExit": f"cvdComp{kind}Out1Exit",
            "OnMouseDown": "cvdCompThresholdOut1MouseDown"})
        children.append(set_props(box, Rounding=6))
    return P.area(f"rzgComp{s}", 4 + 266 * (c - 2), 4, 260, 274, children=children)


def comp_lower():
    return [comp_column(c) for c in OUTPUTS]


# ---- Delay page
def delay_row(c):
    objs = P.delay_row(c)
    for obj in objs:
        if obj.name.startswith("lbDelayLine"):
            set_props(obj, Left=40, Width=475)
    return objs


def delay_upper():
    return [
        plain_label("lbFftDelayIn", 10, 4, 520, "Input Delay"),
        P.panel("plFftDelayIn", 10, 24, 520, 234, P.BLACK, [o for c in INPUTS for o in delay_row(c)]),
        plain_label("lbFftDelayOut", 560, 4, 520, "Output Delay"),
        P.panel("plFftDelayOut", 560, 24, 520, 234, P.BLACK, [o for c in OUTPUTS for o in delay_row(c)]),
    ]


def delay_lower():
    units = [P.button(f"rzbUnit{u}", 950, 50 + 60 * u, caption, u, group=1, down=u == 0, on_click="rzbUnit0Click")
             for u, caption in enumerate(["ms", "m", "ft"])]
    return [P.label("lbDelayInput", 19, 4, "Input"), P.label("lbDelayOutput", 319, 4, "Output"),
            P.label("lbDelayUnit", 950, 24, "Unit"), *[o for c in range(6) for o in P.delay_column(c)], *units]


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


def matrix_row(c):
    s = SUFFIXES[c]
    if c in INPUTS:
        children = name_block(s, c, 0, 0, 0, 70) + [o for b in INPUT_BLOCKS for o in matrix_block(b[0], s, c, *b[1:])]
        return P.panel(f"plMatrix{s}", 48, 110 * c + 70, 415, 40, P.BLACK, children)
    children = ([o for b in OUTPUT_BLOCKS for o in matrix_block(b[0], s, c, *b[1:])] +
                name_block(s, c, 416, 418, 419, 80))
    return P.panel(f"plMatrix{s}", 561, 57 * c - 74, 510, 40, P.BLACK, children)


def matrix_upper():
    rows = [matrix_row(c) for c in range(6)]
    return rows[:2] + [P.Obj("pbMatrix", "TPaintBox", P.bounds(465, 52, 97, 178))] + rows[2:]


def matrix_lower():
    groups = []
    for n in range(1, 5):
        group = P.routing_group(n)
        s = SUFFIXES[n + 1]
        # The unit has two inputs: the third and fourth route buttons stay hidden.
        for row, left in (("C", 20), ("D", 124)):
            extra = P.button(f"rzb{row}Matrix{s}", left, 110, f"In{row}", 2 if row == "C" else 3, group=3 if row == "C" else 4,
                             all_up=True, width=96, height=36)
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
        children.append(bound_events(page_group(f"rzgFft{page}", *UPPER_GROUP, shown, upper(), upper_extra)))
        children.append(bound_events(page_group(f"rzgParam{page}", *LOWER_GROUP, shown, lower())))
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
        ("OnResize", Ident("FormResize")),
    ] + font(Ident("clBlack"), -12, "Arial"), [
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
