#!/usr/bin/env python3
"""The one-page test forms of the channel pages: each holds one page of the main window (or the
part of it a test needs) with the controls' names, classes, Tags, ranges and handlers as the main
form has them, and the pictures of the images tool.

    tools/forms/pages_test_forms.py            writes tests/pages/forms/*.dfm
    tools/forms/pages_test_forms.py --check    exits 1 (listing them) when a committed file differs

The forms are read by the tests into TfmPageTest, a form class that holds the channel pages and
binds their handlers by name. Positions follow the main window's layout at 1118 x 720 where it fixes
them (delay rows, matrix rows, the paint box of the routes), and are ours elsewhere.
"""

import argparse
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2] / "tests" / "pages" / "forms"

SUFFIXES = ["InA", "InB", "Out1", "Out2", "Out3", "Out4"]
INPUTS = [0, 1]
OUTPUTS = [2, 3, 4, 5]

# Colours 0x00BBGGRR.
PAGE_BACK = "$00402C1C"
BAR_BACK = "$00281A10"
BLACK = "clBlack"
WHITE = "clWhite"
LIME = "clLime"


# ---- Writing objects --------------------------------------------------------------------------------------
class Q(str):
    """A text value, written quoted."""


class Obj:
    """One object of a definition: its name, class, properties in order and nested objects."""

    def __init__(self, name, cls, props=None, children=()):
        self.name = name
        self.cls = cls
        self.props = list((props or {}).items())
        self.children = list(children)

    def lines(self, indent=0):
        pad = "  " * indent
        out = [f"{pad}object {self.name}: {self.cls}"]
        for key, value in self.props:
            out.append(f"{pad}  {key} = {literal(value)}")
        for child in self.children:
            out += child.lines(indent + 1)
        out.append(f"{pad}end")
        return out


def literal(value):
    if isinstance(value, bool):
        return "True" if value else "False"
    if isinstance(value, Q):
        return "'" + value.replace("'", "''") + "'"
    return str(value)


def bounds(left, top, width, height):
    return {"Left": left, "Top": top, "Width": width, "Height": height}


def font(colour, name=None, size=None, bold=False):
    props = {"ParentFont": False, "Font.Color": colour}
    if name:
        props["Font.Name"] = Q(name)
    if size:
        props["Font.Height"] = -size
    if bold:
        props["Font.Style"] = "[fsBold]"
    return props


# ---- Controls ---------------------------------------------------------------------------------------------
def button(name, left, top, caption, tag=0, group=0, all_up=False, down=False, on_click=None, colour=BLACK,
           width=80, height=30):
    """A picture button with the olive state set of the images tool."""
    props = bounds(left, top, width, height)
    props["Tag"] = tag
    for state, file in (("Up", "up"), ("Hot", "hot"), ("Down", "down"), ("StayDown", "staydown"),
                        ("Disabled", "disabled")):
        props[f"Bitmaps.{state}.File"] = f"@':/images/widgets/button_olive_{file}.bmp'"
    props["ButtonSize"] = "bszStretchToButton"
    props["Caption"] = Q(caption)
    props.update(font(colour, bold=True))
    if group:
        props["GroupIndex"] = group
    if all_up:
        props["AllowAllUp"] = True
    if down:
        props["Down"] = True
    if on_click:
        props["OnClick"] = on_click
    return Obj(name, "TRzBmpButton", props)


def fader(name, left, top, height, low, high, tag, on_change, position=0, page=6):
    """A vertical slider with the fader thumb of the images tool."""
    props = bounds(left, top, 26, height)
    props.update({
        "Tag": tag,
        "Orientation": "trVertical",
        "Min": low,
        "Max": high,
        "Position": position,
        "PageSize": page,
        "Slider.Size": 3,
        "TickMark.Style": "tsNone",
        "Thumb.Picture": "@':/images/widgets/fader_thumb_normal.png'",
        "Thumb.PictureHot": "@':/images/widgets/fader_thumb_hot.png'",
        "Thumb.PictureDown": "@':/images/widgets/fader_thumb_down.png'",
        "OnChange": on_change,
    })
    return Obj(name, "TAdvTrackBar", props)


def value_box(name, left, top, text, tag, read_only=False, events=None, width=96):
    props = bounds(left, top, width, 24)
    props.update({"Tag": tag, "Alignment": "taCenter", "Color": "$00DFFFFF", "Text": Q(text), **font(BLACK)})
    if read_only:
        props["ReadOnly"] = True
    props.update(events or {})
    return Obj(name, "TCurvyEdit", props)


def label(name, left, top, caption, colour=WHITE, tag=None, extra=None):
    props = {"Left": left, "Top": top}
    if tag is not None:
        props["Tag"] = tag
    props["Caption"] = Q(caption)
    props.update(font(colour, bold=True))
    props["Transparent"] = True
    props.update(extra or {})
    return Obj(name, "TLabel", props)


def area(name, left, top, width, height, caption="", colour=PAGE_BACK, children=(), extra=None):
    """A page area: a framed group box that paints as a plain panel."""
    props = bounds(left, top, width, height)
    props.update({"GroupStyle": "gsCustom", "BorderOuter": "fsFlat", "Color": colour, "Caption": Q(caption)})
    props.update(font(WHITE, bold=True))
    props.update(extra or {})
    return Obj(name, "TRzGroupBox", props, children)


def panel(name, left, top, width, height, colour, children=()):
    props = bounds(left, top, width, height)
    props.update({"BevelOuter": "bvNone", "Color": colour, "ParentBackground": False})
    return Obj(name, "TPanel", props, children)


def function_bar():
    """The page buttons, in the main window's order; the Gain page shown."""
    pages = [("Gain", 8), ("Comp", 6), ("Delay", 7), ("Matrix", 9)] + [(s, i) for i, s in enumerate(SUFFIXES)]
    buttons = [button(f"rzbMenu{name}", 6 + 88 * i, 6, name, tag, group=1, down=tag == 8,
                      colour=LIME if tag == 8 else WHITE, on_click="rzbMenuInAClick")
               for i, (name, tag) in enumerate(pages)]
    return area("rzgFunction", 0, 0, 1112, 42, colour=BAR_BACK, children=buttons)


def form(caption, width, height, children):
    return Obj("fmPageTest", "TfmPageTest",
               {"Caption": Q(caption), "ClientWidth": width, "ClientHeight": height, "Color": BAR_BACK},
               children)


# ---- Gain page -------------------------------------------------------------------------------------------
def gain_column(c):
    s = SUFFIXES[c]
    return panel(f"plGainColumn{s}", 15 + 175 * c, 24, 165, 250, PAGE_BACK, [
        label(f"lbGainColumn{s}", 6, 4, s),
        fader(f"isGainBackup{s}", 14, 24, 220, -280, 120, c, "isGainBackupInAChange"),
        value_box(f"cvdGainBackup{s}", 56, 40, "+0.0dB", c, read_only=True),
        button(f"rzbMuteBackup{s}", 64, 100, "Mute", c, group=2, all_up=True, on_click="rzbMuteBackupInAClick"),
        button(f"rzbPhaseBackup{s}", 64, 150, "Normal", c, group=3, all_up=True, on_click="rzbPhaseBackupInAClick"),
    ])


def channel_parameters(c):
    """The gain box of a channel page, with the page's EQ-reset button."""
    s = SUFFIXES[c]
    reset = Obj(f"vrbEqReset{s}", "TVrDemoButton", {
        **bounds(64, 236, 96, 26), "Tag": c, "Caption": Q("Reset EQ"), "Color": "$00606060",
        "FontEnter.Color": LIME, "FontLeave.Color": WHITE, "OnClick": "vrbEqResetInAClick"})
    return area(f"rzgParam{s}", 4 + 184 * c, 340, 180, 284, children=[
        label(f"lbGainName{s}", 8, 24, s),
        fader(f"isGain{s}", 14, 44, 220, -280, 120, c, "isGainInAChange"),
        value_box(f"cvdGain{s}", 56, 60, "+0.0dB", c, read_only=True),
        button(f"rzbMute{s}", 64, 110, "Mute", c, group=2, all_up=True, on_click="rzbMuteInAClick"),
        button(f"rzbPhase{s}", 64, 160, "Normal", c, group=1, all_up=True, on_click="rzbPhaseInAClick"),
        reset,
    ])


def gain_form():
    return form("Gain page", 1112, 630, [
        function_bar(),
        area("rzgParamGain", 20, 48, 1070, 282, "Gain", children=[gain_column(c) for c in range(6)]),
        *[channel_parameters(c) for c in range(6)],
    ])


# ---- Delay page ------------------------------------------------------------------------------------------
def delay_row(c):
    """Name, speaker picture, time label and dashed line of a channel, at the main window's rows. A
    minus sign of the line's font is 6 pixels wide, so that the line reaches the picture."""
    s = SUFFIXES[c]
    if c in INPUTS:
        top, size, line_left, line_width, line_height = 91 * c + 51, 30, 40, 475, 50
        line_top, picture = top - 10, "speaker_input"
    else:
        top, size, line_left, line_width, line_height = 50 * c - 80, 32, 46, 470, 32
        line_top, picture = top, "speaker_output"
    return [
        label(f"lbDelayShow{s}", 4, top + 6, s),
        Obj(f"imDelay{s}", "TImage", {**bounds(40, top, size, size), "Tag": c,
                                      "Picture.File": f"@':/images/pages/{picture}.bmp'"}),
        Obj(f"lbFftDelayTime{s}", "TLabel", {"Left": 40 + size, "Top": top + size // 4, "Tag": c,
                                             "Caption": Q("0.00ms"), "Color": BLACK, **font(WHITE)}),
        Obj(f"lbDelayLine{s}", "TLabel", {
            **bounds(line_left, line_top, line_width, line_height), "Tag": c, "AutoSize": False,
            "Layout": "tlBottom", "Caption": Q(""), "Transparent": True, **font(LIME, "Arial", 18),
            "OnMouseDown": "lbDelayLineInAMouseDown", "OnMouseMove": "lbDelayLineInAMouseMove",
            "OnMouseUp": "lbDelayLineInAMouseUp"}),
    ]


def delay_column(c):
    s = SUFFIXES[c]
    left = 15 + 150 * c
    return [
        label(f"lbDelayName{s}", left + 4, 24, s),
        fader(f"isDelay{s}", left + 40, 44, 190, 0, 32640, c, "isDelayInAChange"),
        value_box(f"cvdDelay{s}", left, 244, "0.00ms", c, width=120,
                  events={"OnKeyDown": "cvdDelayInBKeyDown", "OnExit": "cvdDelayInAExit"}),
    ]


def delay_form():
    inputs = [obj for c in INPUTS for obj in delay_row(c)]
    outputs = [obj for c in OUTPUTS for obj in delay_row(c)]
    units = [button(f"rzbUnit{u}", 950, 50 + 60 * u, caption, u, group=1, down=u == 0, on_click="rzbUnit0Click")
             for u, caption in enumerate(["ms", "m", "ft"])]
    return form("Delay page", 1112, 580, [
        area("rzgFftDelay", 0, 0, 1112, 284, colour=BLACK, children=[
            label("lbFftDelayIn", 14, 4, "Input"),
            panel("plFftDelayIn", 10, 24, 520, 234, BLACK, inputs),
            label("lbFftDelayOut", 564, 4, "Output"),
            panel("plFftDelayOut", 560, 24, 520, 234, BLACK, outputs),
        ]),
        area("rzgParamDelay", 20, 292, 1070, 282, children=[obj for c in range(6) for obj in delay_column(c)] + units),
    ])


# ---- Matrix page -----------------------------------------------------------------------------------------
# Blocks of a matrix row in signal order: (block, caption, colour, left); the name block last for the
# outputs, first for the inputs.
INPUT_BLOCKS = [("Gain", "GAIN", "$00007000", 77), ("HpLp", "HP/LP", "$00705000", 134),
                ("Peq", "PEQ", "$00700070", 191), ("Phase", "PHASE", "$00006070", 248),
                ("Mute", "MUTE", "$00000080", 305), ("Delay", "DELAY", "$00606000", 362)]
OUTPUT_BLOCKS = [("Xover", "XOVER", "$00705000", 4), ("Peq", "PEQ", "$00700070", 62),
                 ("Gain", "GAIN", "$00007000", 121), ("Phase", "PHASE", "$00006070", 180),
                 ("Mute", "MUTE", "$00000080", 239), ("Delay", "DELAY", "$00606000", 298),
                 ("Comp", "COMP", "$00804000", 357)]
NAME_CAPTIONS = ["Input1", "Input2", "Output1", "Output2", "Output3", "Output4"]
HAND_EVENTS = {"OnMouseMove": "lbMatrixChNameInAMouseMove", "OnMouseLeave": "lbMatrixChNameInAMouseLeave"}


def block(kind, s, c, caption, colour, left):
    shape = Obj(f"spMatrix{kind}{s}", "TShape", {**bounds(left, 8, 50, 24), "Brush.Color": colour,
                                                  "Pen.Color": "$00A0A0A0", "Shape": "stRoundRect"})
    text = Obj(f"lbMatrix{kind}{s}", "TLabel", {
        **bounds(left, 13, 50, 14), "Tag": c, "Alignment": "taCenter", "AutoSize": False, "Caption": Q(caption),
        "Transparent": True, **font(WHITE, "Times New Roman", 11, bold=True), **HAND_EVENTS})
    return [shape, text]


def name_block(s, c, left):
    shape = Obj(f"spMatrixName{s}", "TShape", {**bounds(left, 1, 72, 38), "Brush.Color": "$00303030",
                                                "Pen.Color": "$00A0A0A0"})
    fixed = Obj(f"lbMatrixName{s}", "TLabel", {
        **bounds(left + 1, 3, 70, 15), "Tag": c, "Alignment": "taCenter", "AutoSize": False, "Caption": Q(s),
        "Transparent": True, **font(WHITE, "Times New Roman", 12, bold=True)})
    name = Obj(f"lbMatrixChName{s}", "TLabel", {
        **bounds(left + 1, 20, 70, 17), "Tag": c, "Alignment": "taCenter", "AutoSize": False,
        "Caption": Q(NAME_CAPTIONS[c]), "Color": WHITE, **font(BLACK, "Times New Roman", 12),
        "OnClick": "lbMatrixChNameInAClick", **HAND_EVENTS})
    return [shape, fixed, name]


def matrix_row(c):
    s = SUFFIXES[c]
    if c in INPUTS:
        children = name_block(s, c, 0) + [o for b in INPUT_BLOCKS for o in block(b[0], s, c, *b[1:])]
        return panel(f"plMatrix{s}", 48, 110 * c + 70, 415, 40, BLACK, children)
    children = [o for b in OUTPUT_BLOCKS for o in block(b[0], s, c, *b[1:])] + name_block(s, c, 418)
    return panel(f"plMatrix{s}", 564, 57 * c - 74, 510, 40, BLACK, children)


def routing_group(n):
    c = n + 1
    s = SUFFIXES[c]
    fed_by_b = n % 2 == 0  # the factory routing: Out 1 and Out 3 from In A, Out 2 and Out 4 from In B
    return area(f"rzgMatrix{s}", 20 + 260 * (n - 1), 40, 240, 200, colour="$00503A28", children=[
        label(f"lbMatrix{s}", 12, 10, s),
        button(f"rzbAMatrix{s}", 20, 60, "InA", 0, group=1, all_up=True, down=not fed_by_b,
               on_click=f"rzbAMatrix{s}Click", width=96, height=36),
        button(f"rzbBMatrix{s}", 124, 60, "InB", 1, group=2, all_up=True, down=fed_by_b,
               on_click=f"rzbAMatrix{s}Click", width=96, height=36),
    ])


def matrix_form():
    rows = [matrix_row(c) for c in range(6)]
    paint_box = Obj("pbMatrix", "TPaintBox", bounds(465, 52, 97, 178))
    return form("Matrix page", 1112, 630, [
        function_bar(),
        area("rzgFftMatrix", 0, 48, 1112, 284, colour=BLACK, children=rows[:2] + [paint_box] + rows[2:],
             extra={"OnPaint": "rzgFftMatrixPaint"}),
        area("rzgParamMatrix", 20, 340, 1070, 282, children=[routing_group(n) for n in range(1, 5)]),
    ])


# ---- Comp page -------------------------------------------------------------------------------------------
COMP_PLOT_CHANNELS = """<
    item
      Name = 'Channel 1'
      Color = clLime
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
    end
    item
      Name = 'Channel 2'
      Color = clYellow
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
      MarkersVisible = True
    end>"""


def comp_axis(name):
    return f"""<
    item
      Name = '{name}'
      Min = -100.0
      Span = 120.0
      TrackingEnabled = False
    end>"""


def comp_plot():
    """The transfer plot: channel 0 the curve, channel 1 the knee, both axes -100 to +20 dB."""
    return Obj("ipComp", "TiXYPlot", {**bounds(380, 20, 360, 240), "TitleText": Q(""),
                                      "XAxisManager": comp_axis("X-Axis 1"), "YAxisManager": comp_axis("Y-Axis 1"),
                                      "ChannelManager": COMP_PLOT_CHANNELS})


# Parameter, slider range, position of the factory program, slider text.
COMP_PARAMETERS = [("Threshold", -180, 40, 0, "+0.0dB"), ("Ratio", 0, 15, 0, "1:1.0"),
                   ("Attack", 0, 998, 0, "  1ms"), ("Release", 0, 998, 0, "  1ms")]


def comp_column(c):
    s = SUFFIXES[c]
    left = 15 + 265 * (c - 2)
    objs = [label(f"lbComp{s}", left + 4, 4, s, tag=c, extra={"OnMouseDown": "lbCompOut1MouseDown"})]
    for i, (kind, low, high, position, text) in enumerate(COMP_PARAMETERS):
        x = left + 64 * i
        slider = fader(f"isComp{kind}{s}", x + 18, 24, 180, low, high, c, f"isComp{kind}Out1Change",
                       position=position, page=10)
        slider.props.append(("OnMouseDown", "isCompThresholdOut1MouseDown"))
        objs.append(slider)
        objs.append(value_box(f"cvdComp{kind}{s}", x, 214, text, c, width=62, events={
            "OnKeyDown": f"cvdComp{kind}Out1KeyDown", "OnExit": f"cvdComp{kind}Out1Exit",
            "OnMouseDown": "cvdCompThresholdOut1MouseDown"}))
    return objs


def comp_page():
    """The Comp page's two boxes: the transfer plot with its title and the meter caption, and the
    four output columns."""
    return [
        area("rzgFftComp", 0, 48, 1112, 284, colour=BLACK, children=[
            label("lbCompName", 390, 4, "Out 1  Compressor"),
            label("lbHeadCompOut", 800, 4, "Out 1"),
            comp_plot(),
        ]),
        area("rzgParamComp", 20, 340, 1070, 250, children=[o for c in OUTPUTS for o in comp_column(c)]),
    ]


def comp_form():
    return form("Comp page", 1112, 600, [function_bar(), *comp_page()])


# ---- Outputs ---------------------------------------------------------------------------------------------
OUTPUTS_FILES = [
    ("PageTestGain.dfm", gain_form),
    ("PageTestDelay.dfm", delay_form),
    ("PageTestMatrix.dfm", matrix_form),
    ("PageTestComp.dfm", comp_form),
]


def write_or_check(file, text, script, check):
    """Writes one generated form, or with `check` tells whether the committed one differs: 0 or 1."""
    target = ROOT / file
    if check:
        if not target.is_file() or target.read_text(encoding="utf-8") != text:
            print(f"{file} differs from what the script writes (run tools/forms/{script})", file=sys.stderr)
            return 1
    else:
        target.write_text(text, encoding="utf-8")
    print(f"{file} {'checked' if check else 'written'}")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files instead of writing")
    args = parser.parse_args()
    differing = []
    for name, make in OUTPUTS_FILES:
        text = "\n".join(make().lines()) + "\n"
        target = ROOT / name
        if args.check:
            if not target.is_file() or target.read_text(encoding="utf-8") != text:
                differing.append(name)
        else:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_text(text, encoding="utf-8")
    if differing:
        print("test forms that differ from what the script writes (run tools/forms/pages_test_forms.py):",
              file=sys.stderr)
        for name in differing:
            print("  " + name, file=sys.stderr)
        return 1
    print(f"{len(OUTPUTS_FILES)} test forms {'checked' if args.check else 'written'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
