#!/usr/bin/env python3
"""The test form of the channel pages' equaliser and crossovers: the six channel pages one under
the other, each with its response plot (with its overlay toggles, EQ bypass, show-all and mode
switches), band table, band buttons, band editor and the two crossovers; under them the page
buttons and the boxes of the Comp, Delay, Gain (with its two plots and toggles) and Matrix pages;
and the three one-shot curve timers of the main window.

    tools/forms/eq_test_forms.py            writes tests/pages/forms/PageTestEq.dfm
    tools/forms/eq_test_forms.py --check    exits 1 when the committed file differs

It builds on the controls of pages_test_forms.py; the names, classes, Tags, ranges and handlers
are those of the main form, the positions ours.
"""

import argparse
import sys

from pages_test_forms import (BLACK, INPUTS, PAGE_BACK, Q, SUFFIXES, WHITE, Obj, area, bounds, button, fader, font,
                              function_bar, label, value_box, write_or_check)

FILE = "PageTestEq.dfm"
PAGE_HEIGHT = 590
SLOPES = ["BW -6", "BL -6", "BW -12", "BL -12", "LK -12", "BW -18", "BL -18", "BW -24", "BL -24", "LK -24",
          "BW -30", "BL -30", "BW -36", "BL -36", "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48"]


def literal_items(items):
    """A string list, written as the definitions write Items.Strings."""
    return "(\n" + "\n".join("'" + i + "'" for i in items) + ")"


CHARACTERS = ["A", "B", "1", "2", "3", "4"]
MOUSE_EVENTS = {"OnMouseDown": "fftDrawInAMouseDown", "OnMouseMove": "fftDrawInAMouseMove",
                "OnMouseUp": "fftDrawInAMouseUp"}


def response_plot(name, left, top, width, height, tag):
    return Obj(name, "LMyFFTDrawPhase", {**bounds(left, top, width, height), "Tag": tag, "Color": BLACK,
                                         "XAutoScale": False, "YAutoScale": False, **MOUSE_EVENTS})


def toggle(name, left, top, caption, tag, handler, active=False):
    """An LED toggle showing a channel's curve (or the parameter texts)."""
    props = {**bounds(left, top, 64, 18), "Tag": tag, "Caption": Q(caption), "Color": BLACK, **font(WHITE)}
    if active:
        props["Active"] = True
    props["OnClick"] = handler
    return Obj(name, "TVrPowerButton", props)


def side_of(c):
    return INPUTS if c in INPUTS else [2, 3, 4, 5]


def overlay_toggles(c):
    """The toggles of the other channels of the side on channel c's plot, one handler per plot."""
    s = SUFFIXES[c]
    others = [o for o in side_of(c) if o != c]
    handler = f"vrbShow{CHARACTERS[others[0]]}{s}Click"
    return [toggle(f"vrbShow{CHARACTERS[o]}{s}", 600 + 68 * i, 2, SUFFIXES[o], o, handler)
            for i, o in enumerate(others)]


def plot_area(c):
    s = SUFFIXES[c]
    # 238 pixels of curve area: a drag can set whole tenths of a dB such as +6.0.
    plot = response_plot(f"fftDraw{s}", 4, 20, 1104, 263, c)
    hint = label(f"lbFftParam{s}", 100, 4, "Frequency  ( \u2190 / \u2192 )      Q(\uff0b/\uff0d)     Gain (  \u2191 / \u2193  )")
    name = label(f"lbFftChannel{s}", 8, 4, s)
    bypass = Obj(f"vrbEqBypass{s}", "TVrDemoButton", {
        **bounds(810, 2, 80, 18), "Tag": c, "Caption": Q("EQ Bypass"), "Color": "$00606060",
        "FontEnter.Color": "clLime", "FontLeave.Color": WHITE, "OnClick": "vrbEqBypassInAClick"})
    show_all = toggle(f"vrbEqShowAll{s}", 894, 2, "SHOW ALL EQ", c, "vrbEqShowAllInAClick")
    modes = [Obj(f"rbShowGain{s}", "TRadioButton", {**bounds(962, 2, 64, 18), "Tag": c, "Caption": Q("Mag"),
                                                     "Checked": True, **font("clYellow"),
                                                     "OnClick": "rbShowGainInAClick"}),
             Obj(f"rbShowPhase{s}", "TRadioButton", {**bounds(1030, 2, 72, 18), "Tag": c, "Caption": Q("Phase"),
                                                      **font("clSilver"), "OnClick": "rbShowPhaseInAClick"})]
    return area(f"rzgFft{s}", 0, 0, 1112, 284, colour=BLACK,
                children=[name, hint, *overlay_toggles(c), bypass, show_all, *modes, plot])


def band_table(c):
    s = SUFFIXES[c]
    rows = 8 if c in INPUTS else 9
    return Obj(f"peqPeq{s}", "TMyPEQAllpass", {
        **bounds(6, 8, 470, 270), "Tag": c, "ChannelNumber": rows, "UpdownVisable": False, "Caption": Q(""),
        "Color": PAGE_BACK, "EditBackColor": "$00DFFFFF", "BypassBackColor": "$00C0C0C0", "LabelColor": WHITE,
        **font(BLACK), "OnChange": "peqPeqInAChange", "OnEditMouseDown": "peqPeqInAEditMouseDown",
        "OnPeqTypeMouseWheel": "peqPeqInAPeqTypeMouseWheel"})


def band_buttons(c):
    rows = 8 if c in INPUTS else 9
    return [button(f"rzbEq{b + 1}{SUFFIXES[c]}", 482, 10 + 29 * b, str(b + 1), b, group=c + 1, all_up=True,
                   on_click="rzbEq1InAClick", width=34, height=26)
            for b in range(rows)]


def band_editor(c):
    s = SUFFIXES[c]
    key_events = {"OnKeyDown": "cvdEqFreqInAKeyDown", "OnExit": "cvdEqFreqInAExit"}
    columns = [("Freq", 0, 300, 0, 15, " 19.7Hz", key_events), ("Bw", 0, 100, 0, 5, "0.40", None),
               ("Gain", 0, 240, 120, 3, "+0.0dB", None)]
    objs = []
    for i, (kind, low, high, position, page, text, events) in enumerate(columns):
        left = 530 + 76 * i
        objs.append(label(f"lbEq{kind}{s}", left + 4, 8, kind))
        objs.append(fader(f"isEq{kind}{s}", left + 20, 26, 210, low, high, c, f"isEq{kind}InAChange",
                          position=position, page=page))
        objs.append(value_box(f"cvdEq{kind}{s}", left, 244, text, c, read_only=True, events=events, width=70))
    return objs


# Each bypass button in a group of its own, apart from the band buttons (groups 1 to 6).
BYPASS_GROUPS = {"LowCut": 21, "HighCut": 22}


def crossover(c, prefix, left, position, text, caption):
    s = SUFFIXES[c]
    slope = Obj(f"rzc{prefix}Slop{s}", "TRzComboBox", {
        **bounds(left + 46, 60, 88, 21), "Tag": c, "Style": "csDropDownList", "Items.Strings": literal_items(SLOPES),
        "ItemIndex": 19, **font(BLACK), "OnChange": f"rzc{prefix}SlopInAChange", "OnMouseWheel": f"rzc{prefix}SlopInAMouseWheel"})
    return [
        label(f"lb{prefix}{s}", left + 4, 8, caption),
        fader(f"is{prefix}Freq{s}", left + 8, 26, 210, 0, 300, c, f"is{prefix}FreqInAChange", position=position,
              page=15),
        slope,
        button(f"rzb{prefix}Bypass{s}", left + 46, 110, "Bypass", c, group=BYPASS_GROUPS[prefix], all_up=True,
               on_click=f"rzb{prefix}BypassInAClick", width=88, height=28),
        value_box(f"cvd{prefix}Freq{s}", left + 46, 244, text, c, read_only=True, width=88),
    ]


def parameter_area(c):
    s = SUFFIXES[c]
    children = [label(f"lbGainName{s}", 1060, 8, s), band_table(c), *band_buttons(c), *band_editor(c),
                *crossover(c, "LowCut", 770, 0, " 19.7Hz", "Low cut"),
                *crossover(c, "HighCut", 920, 300, "20.16KHz", "High cut")]
    return area(f"rzgParam{s}", 0, 290, 1112, 290, children=children)


def channel_page(c):
    s = SUFFIXES[c]
    props = bounds(0, PAGE_HEIGHT * c, 1112, PAGE_HEIGHT - 6)
    props.update({"BevelOuter": "bvNone", "Color": PAGE_BACK, "ParentBackground": False})
    return Obj(f"plPage{s}", "TPanel", props, [plot_area(c), parameter_area(c)])


def gain_plot_area():
    """The Gain page's plots: inputs and outputs, each with the toggles of its side's curves."""
    plots = [response_plot("fftDrawGainIn", 4, 22, 550, 258, 0), response_plot("fftDrawGainOut", 558, 22, 550, 258, 0)]
    toggles = [toggle(f"vrbShow{CHARACTERS[c]}Gain", 8 + 68 * c + (100 if c > 1 else 0), 2, SUFFIXES[c], c,
                      "vrbShowAGainClick" if c in INPUTS else "vrbShow1GainClick", active=c in (0, 2))
               for c in range(6)]
    return area("rzgFftGain", 0, 48, 1112, 284, colour=BLACK, children=[*toggles, *plots])


def other_pages():
    """The page buttons and the boxes of the pages that are no channel page, the Gain page shown.
    The Matrix page holds the overview labels that jump to a page."""
    jumps = [label("lbMatrixMuteOut3", 20, 20, "MUTE", tag=4, extra={"OnClick": "lbMatrixHpLpInAClick"}),
             label("lbMatrixDelayInA", 80, 20, "DELAY", tag=0, extra={"OnClick": "lbMatrixDelayInAClick"}),
             label("lbMatrixCompOut1", 140, 20, "COMP", tag=2, extra={"OnClick": "lbMatrixCompOut1Click"})]
    hidden = {"Visible": False}
    boxes = [gain_plot_area(), area("rzgParamGain", 0, 340, 1112, 240, "Gain")]
    for name, children in (("Comp", []), ("Delay", []), ("Matrix", jumps)):
        boxes.append(area(f"rzgFft{name}", 0, 48, 1112, 284, colour=BLACK, children=children, extra=hidden))
        boxes.append(area(f"rzgParam{name}", 0, 340, 1112, 240, name, extra=hidden))
    props = bounds(0, PAGE_HEIGHT * 6, 1112, PAGE_HEIGHT - 6)
    props.update({"BevelOuter": "bvNone", "Color": PAGE_BACK, "ParentBackground": False})
    return Obj("plPageOthers", "TPanel", props, [function_bar(), *boxes])


def timer(name, handler):
    return Obj(name, "TTimer", {"Enabled": False, "Interval": 1, "OnTimer": handler})


def eq_form():
    return Obj("fmPageTest", "TfmPageTest",
               {"Caption": Q("Channel pages"), "ClientWidth": 1112, "ClientHeight": PAGE_HEIGHT * 7,
                "Color": BLACK},
               [*[channel_page(c) for c in range(6)], other_pages(), timer("tmEqCurve", "tmEqCurveTimer"),
                timer("tmHpLpCurve", "tmHpLpCurveTimer"), timer("tmMouseEqCurve", "tmMouseEqCurveTimer")])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed file instead of writing")
    args = parser.parse_args()
    return write_or_check(FILE, "\n".join(eq_form().lines()) + "\n", "eq_test_forms.py", args.check)


if __name__ == "__main__":
    sys.exit(main())
