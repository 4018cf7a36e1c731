#!/usr/bin/env python3
"""The plot editor's form definition and the tables its pages are loaded and stored by, written from
the page tables below.

    tools/forms/plot_editor_form.py            writes resources/plotlib/TiPlotEditorForm.dfm and
                                               src/plotlib/editor/iPlotEditorTables.cpp
    tools/forms/plot_editor_form.py --check    exits 1 when a committed file is not what this writes

Each page is a table of its editing controls in the order its store handler writes them: the
control's name, kind, caption, the published property it edits, the tab (and group box) it sits on,
its choices or arrow range. The same table gives the form its controls, laid out in columns on their
tab, and gives the program the rows it loads and stores by property name and the list of controls
that are enabled and disabled together with the page.

Sizes: the form's client area is 576 x 272 and its page control fills it; a tab sheet is its page
control less 4 pixels across and 26 down (tabs of 22 and a frame of 2). Text widths are estimated
from the advance widths of the sans-serif face the forms' fonts map to (8 points at 96 dpi); the
editor's tests check the rendered form.
"""

import argparse
import copy
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
FORM = ROOT / "resources" / "plotlib" / "TiPlotEditorForm.dfm"
TABLES = ROOT / "src" / "plotlib" / "editor" / "iPlotEditorTables.cpp"


# ---- Values ----------------------------------------------------------------------------------------------

class Ident(str):
    """A value written as it stands: True, a handler's or a component's name, an enum name."""


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
        return "(" + " ".join(value_text(v) for v in value) + ")"
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


# Advance widths (thousandths of an em) of the sans-serif face; other characters count as 'n'.
WIDTHS = {" ": 278, "!": 278, "&": 667, "'": 191, "(": 333, ")": 333, "*": 389, "+": 584, ",": 278, "-": 333,
          ".": 278, "/": 278, ":": 278, "<": 584, "=": 584, ">": 584, "?": 556, "%": 889, "#": 556, "@": 1015}
WIDTHS.update({c: 556 for c in "0123456789"})
WIDTHS.update(dict(zip("abcdefghijklmnopqrstuvwxyz", [556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222,
                                                        833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500,
                                                        500, 500])))
WIDTHS.update(dict(zip("ABCDEFGHIJKLMNOPQRSTUVWXYZ", [667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556,
                                                        833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
                                                        667, 611])))
FONT_PIXELS = 11


def text_width(text):
    # With 6 % and a pixel to spare: the face's hinting at this size widens it.
    return -(-sum(WIDTHS.get(c, 556) for c in text) * FONT_PIXELS * 106 // 100000) + 1


# ---- Geometry --------------------------------------------------------------------------------------------

FORM_WIDTH, FORM_HEIGHT = 576, 272
TAB_BAR, SHEET_INSET = 26, 4  # a tab sheet is its page control less these
PITCH = 23  # one row: an edit box of 21 and a gap
EDIT_HEIGHT = 21
CHECK_HEIGHT = 17
FONT_BUTTON = (75, 25)
ARROWS_WIDTH = 15
COMBO_MAX = 130
PICKER_WIDTH = 21
LABEL_GAP = 6
LEAD_WIDTH = 14  # a "=" between a caption and its display
BUTTON_GAP = 6  # between buttons side by side
COLUMN_GAP = 10
MARGIN = 6  # from a sheet's edges
GROUP_TOP, GROUP_SIDE, GROUP_BOTTOM = 17, 8, 6


def sheet_size(width, height):
    return width - SHEET_INSET, height - TAB_BAR


TOP_SHEET = sheet_size(FORM_WIDTH, FORM_HEIGHT)
# An object page with its list: the list and its buttons at the left, the page's tabs beside them.
LIST_BOUNDS = (4, 4, 120, 205)
ADD_BOUNDS = (4, 215, 58, 25)
REMOVE_BOUNDS = (66, 215, 58, 25)
TABS_WITH_LIST = (128, 2, TOP_SHEET[0] - 132, TOP_SHEET[1] - 4)
TABS_FULL = (2, 2, TOP_SHEET[0] - 4, TOP_SHEET[1] - 4)


# ---- Choices ---------------------------------------------------------------------------------------------

DATE_TIME_FORMATS = ["hh:nn:ss", "hh:nn:ss.zzz", "m/d hh:nn:ss", "d mmm h:nn:ss am/pm", "m/d/yy h:nn:ss am/pm",
                     "m/d/yyyy h:nn:ss am/pm"]
FORMAT_STYLES = ["Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"]
PRECISION_STYLES = ["Significant Digits", "Fixed Decimal Points"]
PEN_STYLES = ["Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "InsideFrame"]
PEN_STYLES_SPACED = ["Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame"]
BRUSH_STYLES = ["Solid", "Clear", "Horizontal", "Vertical", "FDiagonal", "BDiagonal", "Cross", "DiagCross"]
LINE_STYLES = ["Solid", "Dash", "Dot", "DashDot", "DashDotDot"]
GRID_STYLES = ["Solid", "Dash", "Dot"]
AXES_CONTROL_STYLES = ["X-Axis", "Y-Axis", "Both", "None"]
REFERENCE_INDIVIDUAL = ["DataView", "Channel", "Auto"]


# ---- Controls of a page ----------------------------------------------------------------------------------

# Kinds: how a control shows its property (the program's TiEditorKind of the same name).
KINDS = {
    "text": "Text", "integer": "Integer", "number": "Number", "check": "Check", "list": "List",
    "editable": "EditableList", "names": "NameList", "radio": "Radio", "colour": "Colour", "font": "Font",
}
EDIT_KINDS = {"text", "integer", "number"}
COMBO_KINDS = {"list", "editable", "names"}
CAPTIONED = EDIT_KINDS | COMBO_KINDS | {"colour"}  # a caption label at their left


class C:
    """A control of a page that edits a property."""

    def __init__(self, kind, name, caption, prop, tab, group=None, items=None, arrows=None, picker=None,
                 picker_name=None, columns=1, width=None, hidden=False, dropdown=None, handler=None, beside=()):
        self.kind = kind
        self.name = name
        self.caption = caption
        self.prop = prop
        self.tab = tab
        self.group = group
        self.items = items
        self.arrows = arrows  # (min, max) or (min, max, increment)
        self.picker = picker  # value converter page: "ivcptInterval" or "ivcptDateTime"
        self.picker_name = picker_name
        self.columns = columns
        self.width = width
        self.hidden = hidden
        self.dropdown = dropdown  # OnDropDown handler of a name list
        self.handler = handler  # the store handler, when not the page's
        self.beside = list(beside)  # (object, width) placed right of the control


class X:
    """Anything else on a tab: a button, a file picker, a display; placed like a control."""

    def __init__(self, obj, width, height, tab, group=None, caption_label=None, lead=None, beside=()):
        self.obj = obj
        self.width = width
        self.height = height
        self.tab = tab
        self.group = group
        self.caption_label = caption_label
        self.lead = lead  # a text between the caption and the control
        self.beside = list(beside)  # (object, width) placed right of it


# ---- Axis pages ------------------------------------------------------------------------------------------

def axis_rows(p, other, y_page):
    """The rows of an axis page, prefix p ("XAxis"), the other kind's prefix `other`."""
    picker = lambda stem: f"{p}{stem}TimePicker"
    precision_max = 20 if y_page else 1000
    same_names = "YAxisNameComboBoxDropDown" if y_page else "XAxisNameComboBoxDropDown"
    return [
        C("text", f"{p}NameEdit", "Name", "Name", "General"),
        C("check", f"{p}VisibleCheckBox", "Visible", "Visible", "General"),
        C("check", f"{p}GridLinesVisibleCheckBox", "Grid Lines Visible", "GridLinesVisible", "General"),
        C("check", f"{p}EnabledCheckBox", "Enabled", "Enabled", "General"),
        C("check", f"{p}PopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", "General"),
        C("integer", f"{p}LayerEdit", "Layer", "Layer", "Cartesian", arrows=(0, 0)),
        C("number", f"{p}StartPercentEdit", "Start Percent", "StartPercent", "Scale"),
        C("number", f"{p}StopPercentEdit", "Stop Percent", "StopPercent", "Scale"),
        C("number", f"{p}MinEdit", "Min", "Min", "General", picker="ivcptDateTime", picker_name=picker("Min")),
        C("number", f"{p}SpanEdit", "Span", "Span", "General", picker="ivcptInterval", picker_name=picker("Span")),
        C("number", f"{p}DesiredStartEdit", "Desired Start", "DesiredStart", "General", picker="ivcptInterval",
          picker_name=picker("DesiredStart")),
        C("number", f"{p}DesiredIncrementEdit", "Desired Increment", "DesiredIncrement", "General",
          picker="ivcptInterval", picker_name=picker("DesiredIncrement")),
        C("check", f"{p}ReverseScaleCheckBox", "Reverse Scale", "ReverseScale", "General"),
        C("check", f"{p}RestoreValuesOnResumeCheckBox", "Restore Values On Resume", "RestoreValuesOnResume",
          "General"),
        C("check", f"{p}MasterUIInputCheckBox", "Master UI Input", "MasterUIInput", "General"),
        C("integer", f"{p}InnerMarginEdit", "Inner Margin", "InnerMargin", "Scale", arrows=(-1000, 1000)),
        C("integer", f"{p}OuterMarginEdit", "Outer Margin", "OuterMargin", "Scale", arrows=(-1000, 1000)),
        C("text", f"{p}TitleTextEdit", "Text", "Title", "Title", width=160),
        C("number", f"{p}TitleMarginEdit", "Margin", "TitleMargin", "Title"),
        C("check", f"{p}TitleShowCheckBox", "Show", "TitleShow", "Title"),
        C("check", f"{p}TitleRotatedCheckBox", "Rotated", "TitleRotated", "Title"),
        C("check", f"{p}ScaleLinesShowCheckBox", "Lines Show", "ScaleLinesShow", "Scale"),
        C("colour", f"{p}ScaleLinesColorPicker", "Lines Color", "ScaleLinesColor", "Scale"),
        C("integer", f"{p}MajorLengthEdit", "Major Length", "MajorLength", "Scale", arrows=(0, 1000)),
        C("integer", f"{p}MinorLengthEdit", "Minor Length", "MinorLength", "Scale", arrows=(0, 1000)),
        C("integer", f"{p}MinorCountEdit", "Minor Count", "MinorCount", "Scale", arrows=(0, 100)),
        C("check", f"{p}LabelVisibleCheckBox", "Visible", "LabelsVisible", "Labels/(Default)"),
        C("number", f"{p}LabelMarginEdit", "Margin", "LabelsMargin", "Labels/(Default)"),
        C("list", f"{p}LabelFormatStyleComboBox", "Format Style", "LabelsFormatStyle", "Labels/(Default)",
          items=FORMAT_STYLES),
        C("list", f"{p}LabelRotationComboBox", "Rotation", "LabelsRotation", "Labels/(Default)",
          items=["0", "90", "180", "270"]),
        C("editable", f"{p}DateTimeFormatComboBox", "Date Time Format", "DateTimeFormat", "Labels/(Default)",
          items=DATE_TIME_FORMATS),
        C("list", f"{p}LabelPrecisionStyleComboBox", "Precision Style", "LabelsPrecisionStyle", "Labels/(Default)",
          items=PRECISION_STYLES),
        C("integer", f"{p}LabelPrecisionEdit", "Precision", "LabelsPrecision", "Labels/(Default)",
          arrows=(0, precision_max)),
        C("number", f"{p}LabelMinLengthEdit", "Min Length", "LabelsMinLength", "Labels/(Default)"),
        C("check", f"{p}LabelMinLengthAutoAdjustCheckBox", "Min Length Auto Adjust", "LabelsMinLengthAutoAdjust",
          "Labels/(Default)"),
        C("check", f"{p}CursorUseDefaultFormatCheckBox", "Use Default Format", "CursorUseDefaultFormat",
          "Labels/Cursor"),
        C("list", f"{p}CursorFormatStyleComboBox", "Format Style", "CursorFormatStyle", "Labels/Cursor",
          items=FORMAT_STYLES),
        C("editable", f"{p}CursorDateTimeFormatComboBox", "Date Time Format", "CursorDateTimeFormat", "Labels/Cursor",
          items=DATE_TIME_FORMATS),
        C("list", f"{p}CursorPrecisionStyleComboBox", "Precision Style", "CursorPrecisionStyle", "Labels/Cursor",
          items=PRECISION_STYLES),
        C("integer", f"{p}CursorPrecisionEdit", "Precision", "CursorPrecision", "Labels/Cursor", arrows=(0, 20)),
        C("number", f"{p}CursorMinLengthEdit", "Min Length", "CursorMinLength", "Labels/Cursor"),
        C("check", f"{p}CursorMinLengthAutoAdjustCheckBox", "Min Length Auto Adjust", "CursorMinLengthAutoAdjust",
          "Labels/Cursor"),
        C("check", f"{p}LegendUseDefaultFormatCheckBox", "Use Default Format", "LegendUseDefaultFormat",
          "Labels/Legend"),
        C("list", f"{p}LegendFormatStyleComboBox", "Format Style", "LegendFormatStyle", "Labels/Legend",
          items=FORMAT_STYLES),
        C("editable", f"{p}LegendDateTimeFormatComboBox", "Date Time Format", "LegendDateTimeFormat", "Labels/Legend",
          items=DATE_TIME_FORMATS),
        C("list", f"{p}LegendPrecisionStyleComboBox", "Precision Style", "LegendPrecisionStyle", "Labels/Legend",
          items=PRECISION_STYLES),
        C("integer", f"{p}LegendPrecisionEdit", "Precision", "LegendPrecision", "Labels/Legend",
          arrows=(0, precision_max)),
        C("number", f"{p}LegendMinLengthEdit", "Min Length", "LegendMinLength", "Labels/Legend"),
        C("check", f"{p}LegendMinLengthAutoAdjustCheckBox", "Min Length Auto Adjust", "LegendMinLengthAutoAdjust",
          "Labels/Legend"),
        C("check", f"{p}TrackingEnabledCheckBox", "Enabled", "TrackingEnabled", "Tracking"),
        C("list", f"{p}TrackingStyleComboBox", "Style", "TrackingStyle", "Tracking",
          items=["Scale Min & Max", "Scale Max", "Scale Min", "Scroll Smooth", "Scroll Page", "Expand Collapse",
                 "Expand Collapse Fast", "Expand Min & Max"]),
        C("list", f"{p}TrackingIncrementStyleComboBox", "Increment Style", "TrackingIncrementStyle", "Tracking",
          items=["Minimum", "Major", "Minor"]),
        C("list", f"{p}TrackingAlignFirstStyleComboBox", "Align First Style", "TrackingAlignFirstStyle", "Tracking",
          items=["Min", "Max", "Auto", "None"]),
        C("number", f"{p}TrackingScrollCompressMaxEdit", "Scroll Compress Max", "TrackingScrollCompressMax",
          "Tracking"),
        C("number", f"{p}TrackingSpanMinimumEdit", "Span Minimum", "TrackingSpanMinimum", "Tracking"),
        C("number", f"{p}TrackingMaxMarginEdit", "Max Margin", "TrackingMaxMargin", "Tracking"),
        C("number", f"{p}TrackingMinMarginEdit", "Min Margin", "TrackingMinMargin", "Tracking"),
        C("number", f"{p}StackingEndsMarginEdit", "Stacking Ends Margin", "StackingEndsMargin", "Scale"),
        C("check", f"{p}ForceStackingCheckBox", "Force Stacking", "ForceStacking", "Scale"),
        C("number", f"{p}LabelSeparationEdit", "Label Separation", "LabelSeparation", "Labels/(Default)"),
        C("radio", f"{p}ScaleTypeRadioGroup", "Scale Type", "ScaleType", "General", items=["Linear", "Log10"],
          columns=2),
        C("number", f"{p}CursorScalerEdit", "Scaler", "CursorScaler", "Cursor"),
        C("check", f"{p}ScrollMinMaxEnabledCheckBox", "Min/Max Enabled", "ScrollMinMaxEnabled", "Scroll"),
        C("number", f"{p}ScrollMinEdit", "Min", "ScrollMin", "Scroll"),
        C("number", f"{p}ScrollMaxEdit", "Max", "ScrollMax", "Scroll"),
        C("list", f"{p}CartesianStyleComboBox", "Style", "CartesianStyle", "Cartesian",
          items=["None", "Master", "Child"]),
        C("names", f"{p}CartesianChildRefAxisNameComboBox", "Child Ref Axis Name", "CartesianChildRefAxisName",
          "Cartesian"),
        C("number", f"{p}CartesianChildRefValueEdit", "Child Ref Value", "CartesianChildRefValue", "Cartesian",
          picker="ivcptInterval", picker_name=f"{p}CartesianChildRefValuePicker"),
        C("names", f"{p}AlignRefAxisNameComboBox", "Align Ref Axis Name", "AlignRefAxisName", "Scale",
          dropdown=same_names),
        C("font", f"{p}TitleFontPicker", "Font", "TitleFont", "Title"),
        C("font", f"{p}LabelFontPicker", "Font", "LabelsFont", "Labels/(Default)"),
    ]


def axis_page(kind):
    p = f"{kind}Axis"
    other = "Y" if kind == "X" else "X"
    extras = [
        X(button(f"{p}CursorCopyDefaultButton", "Copy Default", f"{p}CursorCopyDefaultButtonClick"), 90, 25,
          "Labels/Cursor"),
        X(button(f"{p}LegendCopyDefaultButton", "Copy Default", f"{p}LegendCopyDefaultButtonClick"), 90, 25,
          "Labels/Legend"),
    ]
    return Page(f"{kind}-Axes", f"{kind}AxesTabSheet", p, f"{p}PageControl",
                ["General", "Title", ("Labels", ["(Default)", "Cursor", "Legend"]), "Tracking", "Cursor", "Scroll",
                 "Scale", "Cartesian"],
                axis_rows(p, other, kind == "Y"), extras=extras, store=f"{p}Change",
                list_box=f"{p}ListBox", add=(f"{kind}AxesAddButton", f"{kind}AxesAddButtonClick"),
                remove=(f"{p}RemoveButton", f"{p}RemoveButtonClick"),
                nested_names={"Labels": f"{p}LabelsPageControl"})


# ---- Channel page ----------------------------------------------------------------------------------------

def channel_rows():
    g = "General"
    return [
        C("text", "ChannelNameEdit", "Name", "Name", g),
        C("check", "ChannelVisibleCheckBox", "Visible", "Visible", g),
        C("check", "ChannelPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", g),
        C("integer", "ChannelLayerEdit", "Layer", "Layer", g, arrows=(0, 0)),
        C("text", "ChannelTitleEdit", "Title", "TitleText", g),
        C("check", "ChannelVisibleInLegendCheckBox", "Visible in Legend", "VisibleInLegend", g),
        C("check", "ChannelUserCanMoveDataPointsCheckBox", "User Can Move Data Points", "UserCanMoveDataPoints", g),
        C("list", "ChannelUserCanMoveDataPointsStyleComboBox", "Style", "UserCanMoveDataPointsStyle", g,
          items=["X and Y", "X Only", "Y Only"]),
        C("integer", "ChannelRingBufferSizeEdit", "Ring Buffer Size", "RingBufferSize", g),
        C("colour", "ChannelColorPicker", "Color", "Color", g),
        C("names", "ChannelXAxisNameComboBox", "X-Axis Name", "XAxisName", g, dropdown="XAxisNameComboBoxDropDown"),
        C("names", "ChannelYAxisNameComboBox", "Y-Axis Name", "YAxisName", g, dropdown="YAxisNameComboBoxDropDown"),
        C("check", "ChannelXAxisTrackingEnabled", "X-Axis Tracking Enabled", "XAxisTrackingEnabled", g),
        C("check", "ChannelYAxisTrackingEnabled", "Y-Axis Tracking Enabled", "YAxisTrackingEnabled", g),
        C("list", "ChannelDataStyleComboBox", "Data Style", "DataStyle", g,
          items=["Standard", "Compact", "Compact Interval", "Full Feature"]),
        C("check", "ChannelTraceVisibleCheckBox", "Visible", "TraceVisible", "Trace"),
        C("list", "ChannelTraceLineStyleComboBox", "Line Style", "TraceLineStyle", "Trace", items=LINE_STYLES),
        C("integer", "ChannelTraceLineWidthEdit", "Line Width", "TraceLineWidth", "Trace", arrows=(0, 100)),
        C("check", "ChannelMarkersVisible", "Visible", "MarkersVisible", "Marker"),
        C("check", "ChannelMarkersAllowIndividual", "Allow Individual", "MarkersAllowIndividual", "Marker"),
        C("integer", "ChannelMarkersSizeEdit", "Size", "MarkersSize", "Marker", arrows=(0, 100)),
        C("list", "ChannelMarkersStyleComboBox", "Style", "MarkersStyle", "Marker",
          items=["Circle", "Square", "Diamond", "Cross", "Plus", "Triangle Up", "Triangle Down", "Triangle Left",
                 "Triangle Right", "Vertical Line", "Horizontal Line", "Character"]),
        C("colour", "ChannelMarkersPenColorPicker", "Color", "MarkersPenColor", "Marker", group="Pen"),
        C("check", "ChannelMarkersPenUseChannelColorCheckBox", "Use Channel Color", "MarkersPenUseChannelColor",
          "Marker", group="Pen"),
        C("list", "ChannelMarkersPenStyleComboBox", "Style", "MarkersPenStyle", "Marker", group="Pen",
          items=PEN_STYLES),
        C("integer", "ChannelMarkersPenWidthEdit", "Width", "MarkersPenWidth", "Marker", group="Pen",
          arrows=(0, 100)),
        C("colour", "ChannelMarkersBrushColorPicker", "Color", "MarkersBrushColor", "Marker", group="Brush"),
        C("check", "ChannelMarkersBrushUseChannelColorCheckBox", "Use Channel Color", "MarkersBrushUseChannelColor",
          "Marker", group="Brush"),
        C("list", "ChannelMarkersBrushStyleComboBox", "Style", "MarkersBrushStyle", "Marker", group="Brush",
          items=BRUSH_STYLES),
        C("integer", "ChannelMarkersTurnOffLimitEdit", "Turn Off Limit", "MarkersTurnOffLimit", "Marker",
          arrows=(0, 20000, 100)),
        C("text", "ChannelLogFileNameEdit", "File Name", "LogFileName", "File I/O", group="Log", width=150,
          beside=log_picker("Channel")),
        C("integer", "ChannelLogBufferSizeEdit", "Buffer Size", "LogBufferSize", "File I/O", group="Log",
          arrows=(0, 32767)),
        C("font", "ChannelMarkersFontPicker", "Font", "MarkersFont", "Marker"),
    ]


# Written only for a strip chart channel, after the rows above.
def channel_strip_rows():
    hl = "High/Low/Open/Close"
    interval = "ivcptInterval"
    return [
        C("check", "ChannelFillEnabledCheckBox", "Enabled", "FillEnabled", "Fill"),
        C("number", "ChannelFillReferenceEdit", "Reference", "FillReference", "Fill"),
        C("list", "ChannelFillStyleComboBox", "Style", "FillStyle", "Fill", items=BRUSH_STYLES),
        C("colour", "ChannelFillColorPicker", "Color", "FillColor", "Fill"),
        C("check", "ChannelFillUseChannelColorCheckBox", "Use Channel Color", "FillUseChannelColor", "Fill"),
        C("check", "ChannelBarEnabledCheckBox", "Enabled", "BarEnabled", "Bar"),
        C("number", "ChannelBarWidthEdit", "Width", "BarWidth", "Bar", picker=interval,
          picker_name="iComponentEditorValueConverterPicker1"),
        C("number", "ChannelBarReferenceEdit", "Reference", "BarReference", "Bar"),
        C("check", "ChannelBarPenUseChannelColorCheckBox", "Use Channel Color", "BarPenUseChannelColor", "Bar",
          group="Pen"),
        C("list", "ChannelBarPenStyleComboBox", "Style", "BarPenStyle", "Bar", group="Pen", items=PEN_STYLES),
        C("colour", "ChannelBarPenColorPicker", "Color", "BarPenColor", "Bar", group="Pen"),
        C("integer", "ChannelBarPenWidthEdit", "Width", "BarPenWidth", "Bar", group="Pen", arrows=(0, 100)),
        C("check", "ChannelBarBrushUseChannelColorCheckBox", "Use Channel Color", "BarBrushUseChannelColor", "Bar",
          group="Brush"),
        C("list", "ChannelBarBrushStyleComboBox", "Style", "BarBrushStyle", "Bar", group="Brush",
          items=BRUSH_STYLES),
        C("colour", "ChannelBarBrushColorPicker", "Color", "BarBrushColor", "Bar", group="Brush"),
        C("list", "ChannelHighLowStyleComboBox", "Style", "HighLowStyle", "High/Low",
          items=["Open/Close", "Candlestick"]),
        C("check", "ChannelHighLowEnabledCheckBox", "Enabled", "HighLowEnabled", "High/Low"),
        C("colour", "ChannelHighLowBarColorPicker", "Color", "HighLowBarColor", hl, group="Bar"),
        C("number", "ChannelHighLowBarWidthEdit", "Width", "HighLowBarWidth", hl, group="Bar", picker=interval,
          picker_name="ChannelHighLowBarWidthPicker", width=56),
        C("check", "ChannelHighLowOpenShowCheckBox", "Show", "HighLowOpenShow", hl, group="Open"),
        C("colour", "ChannelHighLowOpenColorPicker", "Color", "HighLowOpenColor", hl, group="Open"),
        C("number", "ChannelHighLowOpenWidthEdit", "Width", "HighLowOpenWidth", hl, group="Open", picker=interval,
          picker_name="ChannelHighLowOpenWidthPicker", width=56),
        C("number", "ChannelHighLowOpenHeightEdit", "Height", "HighLowOpenHeight", hl, group="Open",
          picker=interval, picker_name="ChannelHighLowOpenHeightPicker", width=56),
        C("check", "ChannelHighLowCloseShowCheckBox", "Show", "HighLowCloseShow", hl, group="Close"),
        C("colour", "ChannelHighLowCloseColorPicker", "Color", "HighLowCloseColor", hl, group="Close"),
        C("number", "ChannelHighLowCloseWidthEdit", "Width", "HighLowCloseWidth", hl, group="Close",
          picker=interval, picker_name="ChannelHighLowCloseWidthPicker", width=56),
        C("number", "ChannelHighLowCloseHeightEdit", "Height", "HighLowCloseHeight", hl, group="Close",
          picker=interval, picker_name="ChannelHighLowCloseHeightPicker", width=56),
        C("colour", "ChannelHighLowShadowColorPicker", "Shadow Color", "HighLowShadowColor", "High/Low/Candlestick"),
        C("colour", "ChannelHighLowBullishColorPicker", "Bullish Color", "HighLowBullishColor",
          "High/Low/Candlestick"),
        C("colour", "ChannelHighLowBearishColorPicker", "Bearish Color", "HighLowBearishColor",
          "High/Low/Candlestick"),
        C("check", "ChannelDigitalEnabledCheckBox", "Enabled", "DigitalEnabled", "Digital"),
        C("number", "ChannelDigitalReferenceHighEdit", "Reference High", "DigitalReferenceHigh", "Digital"),
        C("number", "ChannelDigitalReferenceLowEdit", "Reference Low", "DigitalReferenceLow", "Digital"),
        C("list", "ChannelDigitalReferenceStyleComboBox", "Reference Style", "DigitalReferenceStyle", "Digital",
          items=["Scale", "Percent"]),
        C("check", "ChannelFastDrawCheckBox", "Fast Draw", "FastDrawEnabled", "General"),
        C("check", "ChannelClipToAxesCheckBox", "Clip To Axes", "ClipToAxes", "General"),
        C("list", "ChannelInterpolationStyleComboBox", "Interpolation Style", "InterpolationStyle", "Trace",
          items=["Straight Line", "Cubic Spline", "Polynomial", "Rational", "Differential",
                 "Differential Terminated"]),
    ]


STATS = [("ChannelStatsPointCountDisplay", "Point Count"), ("ChannelStatsPointCapacityDisplay", "Point Capacity"),
         ("ChannelStatsMemoryDisplay", "Memory Used"), ("ChannelStatsDataPointSizeDisplay", "Data Point Size"),
         ("ChannelStatsMaxDataPointsDisplay", "Max Data Points"), ("ChannelStatsXMinDisplay", "X-Min"),
         ("ChannelStatsXMaxDisplay", "X-Max"), ("ChannelStatsXMeanDisplay", "X-Mean"),
         ("ChannelStatsYMinDisplay", "Y-Min"), ("ChannelStatsYMaxDisplay", "Y-Max"),
         ("ChannelStatsYMeanDisplay", "Y-Mean")]

CONFIG_FILTER = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*"
DATA_FILTER = "Data (*.dat)|*.dat|All Files (*.*)|*.*"
LOG_FILTER = "Log (*.log)|*.log|All Files (*.*)|*.*"


def file_picker(name, cls, caption, flt, ext, handler, must_exist=False):
    props = [("Caption", caption), ("Filter", flt), ("DefaultExt", ext)]
    if must_exist:
        props.append(("FileMustExist", True))
    props.append(("OnChange", Ident(handler)))
    return Obj(name, cls, props)


def button(name, caption, handler):
    return Obj(name, "TiComponentEditorButton", [("Caption", caption), ("OnClick", Ident(handler))])


def file_extras(prefix, tab, groups):
    """Load and Save pickers side by side in groups: (group, open picker (name, filter, ext, must exist), save
    picker (name, filter, ext))."""
    out = []
    for group, (open_name, open_filter, open_ext, must), (save_name, save_filter, save_ext) in groups:
        save = file_picker(save_name, "TiComponentEditorSavePicker", "Save", save_filter, save_ext, f"{save_name}Change")
        out.append(X(file_picker(open_name, "TiComponentEditorOpenPicker", "Load", open_filter, open_ext,
                                 f"{open_name}Change", must), 60, 25, tab, group, beside=[(save, 66)]))
    return out


def log_picker(prefix):
    picker = f"{prefix}LogFileNamePicker"
    return [(file_picker(picker, "TiComponentEditorSavePicker", "...", LOG_FILTER, "log", f"{picker}Change"),
             PICKER_WIDTH)]


def log_extras(prefix, tab):
    deactivate = button(f"{prefix}LogDeactivateButton", "Deactivate", f"{prefix}LogDeactivateButtonClick")
    return [X(button(f"{prefix}LogActivateButton", "Activate", f"{prefix}LogActivateButtonClick"), 70, 25, tab, "Log",
              beside=[(deactivate, 76)])]


def channel_page():
    extras = file_extras("Channel", "File I/O", [
        ("Properties", ("ChannelPropertiesOpenPicker", CONFIG_FILTER, "cfg", False),
         ("ChannelPropertiesSavePicker", CONFIG_FILTER, "cfg")),
        ("Data", ("ChannelDataOpenPicker", DATA_FILTER, "dat", False), ("ChannelDataSavePicker", DATA_FILTER, "dat")),
    ]) + log_extras("Channel", "File I/O")
    for name, caption in STATS:
        display = Obj(name, "TLabel", [("AutoSize", False), ("Caption", "")])
        extras.append(X(display, 90, 17, "Stats", caption_label=caption, lead="="))
    extras.append(X(button("ChannelStatsRefreshButton", "Refresh", "ChannelStatsRefreshButtonClick"), 75, 25,
                    "Stats"))
    return Page("Channels", "ChannelsTabSheet", "Channel", "ChannelPageControl",
                ["General", "Trace", "Marker", "Bar", ("High/Low", ["Open/Close", "Candlestick"]), "Fill", "Digital",
                 "File I/O", "Stats"],
                channel_rows(), strip_rows=channel_strip_rows(), extras=extras, store="ChannelChange",
                list_box="ChannelListBox", add=("iChannelAddButton", "iChannelAddButtonClick"),
                remove=("ChannelRemoveButton", "ChannelRemoveButtonClick"),
                nested_names={"High/Low": "ChannelHighLowPageControl"}, nested_below={"High/Low"},
                strip_tabs=["Bar", "High/Low", "Fill", "Digital"], groups_first={"File I/O": ["Properties", "Data"]})


# ---- Pages of the other objects --------------------------------------------------------------------------

def toolbar_page():
    t = ""
    show = [("Resume", "ShowResumeButton", "ToolBarShowResumeButtonCheckBox"),
            ("Pause", "ShowPauseButton", "ToolBarShowPauseButtonCheckBox"),
            ("Axes Mode", "ShowAxesModeButtons", "ToolBarShowAxesModeButtonsCheckBox"),
            ("Zoom In/Out", "ShowZoomInOutButtons", "ToolBarShowZoomInOutButtonsCheckBox"),
            ("Select", "ShowSelectButton", "ToolBarShowSelectButtonCheckBox"),
            ("Zoom Box", "ShowZoomBoxButton", "ToolBarShowZoomBoxButtonCheckBox"),
            ("Cursor", "ShowCursorButton", "ToolBarShowCursorButtonCheckBox"),
            ("Edit", "ShowEditButton", "ToolBarShowEditButtonCheckBox"),
            ("Copy", "ShowCopyButton", "ToolBarShowCopyButtonCheckBox"),
            ("Save", "ShowSaveButton", "ToolBarShowSaveButtonCheckBox"),
            ("Print", "ShowPrintButton", "ToolBarShowPrintButtonCheckBox"),
            ("Preview", "ShowPreviewButton", "ToolBarShowPreviewButtonCheckBox")]
    rows = [
        C("text", "ToolBarNameEdit", "Name", "Name", t, hidden=True),
        C("check", "ToolBarVisibleCheckBox", "Visible", "Visible", t),
        C("check", "ToolBarEnabledCheckBox", "Enabled", "Enabled", t),
        C("check", "ToolBarPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", t),
        C("check", "ToolBarFlatBorderCheckBox", "Flat Border", "FlatBorder", t),
        C("check", "ToolBarFlatButtonsCheckBox", "Flat Buttons", "FlatButtons", t),
        C("check", "ToolBarSmallButtonsCheckBox", "Small Buttons", "SmallButtons", t),
    ]
    rows += [C("check", name, caption, prop, t, group="Show Button") for caption, prop, name in show]
    rows.append(C("number", "ToolBarZoomInOutFactorEdit", "Zoom In/Out Factor", "ZoomInOutFactor", t))
    return Page("ToolBar", "ToolBarTabSheet", "ToolBar", None, [], rows, store="ToolBarChange",
                list_box="ToolBarListBox", hidden_list="group", group_columns={"Show Button": 3})


def legend_page():
    g, c, w = "General", "Columns", "Wrap"
    show = [("Line", "ShowColumnLine", "LegendShowLineCheckbox"), ("Marker", "ShowColumnMarker",
                                                                    "LegendShowMarkerCheckbox"),
            ("X-Axis Title", "ShowColumnXAxisTitle", "LegendShowXAxisTitleCheckbox"),
            ("Y-Axis Title", "ShowColumnYAxisTitle", "LegendShowYAxisTitleCheckbox"),
            ("X-Value", "ShowColumnXValue", "LegendShowXValueCheckbox"),
            ("Y-Value", "ShowColumnYValue", "LegendShowYValueCheckbox"),
            ("Y-Max", "ShowColumnYMax", "LegendShowYMaxCheckbox"), ("Y-Min", "ShowColumnYMin", "LegendShowYMinCheckbox"),
            ("Y-Mean", "ShowColumnYMean", "LegendShowYMeanCheckbox")]
    rows = [
        C("text", "LegendNameEdit", "Name", "Name", "(Hidden)", hidden=True),
        C("check", "LegendVisibleCheckbox", "Visible", "Visible", g),
        C("check", "LegendEnabledCheckbox", "Enabled", "Enabled", g),
        C("check", "LegendPopupEnabledCheckbox", "Popup Enabled", "PopupEnabled", g),
        C("number", "LegendTopMarginEdit", "Top", "MarginTop", g, group="Margin", width=40),
        C("number", "LegendBottomMarginEdit", "Bottom", "MarginBottom", g, group="Margin", width=40),
        C("number", "LegendLeftMarginEdit", "Left", "MarginLeft", g, group="Margin", width=40),
        C("number", "LegendRightMarginEdit", "Right", "MarginRight", g, group="Margin", width=40),
        C("number", "LegendChannelNameMaxWidthEdit", "Max Width", "ChannelNameMaxWidth", g, group="Channel Name"),
        C("list", "LegendChannelNameColorStyleComboBox", "Color Style", "ChannelNameColorStyle", g,
          group="Channel Name", items=["Font", "ChannelColor", "XAxisFontColor ", "YAxisFontColor"]),
        C("integer", "LegendLineColumnWidthEdit", "Width", "LineColumnWidth", g, group="Line Column"),
        C("integer", "LegendLineColumnHeightEdit", "Height", "LineColumnHeight", g, group="Line Column"),
        C("number", "LegendColumnSpacingEdit", "Column Spacing", "ColumnSpacing", g, width=60),
        C("check", "LegendBackGroundTransparentCheckBox", "Transparent", "BackGroundTransparent", g,
          group="Background"),
        C("colour", "LegendBackgroundColorPicker", "Color", "BackGroundColor", g, group="Background"),
        C("colour", "LegendSelectedItemColorPicker", "Background Color", "SelectedItemBackGroundColor", g,
          group="Selected Item"),
    ]
    rows += [C("check", name, caption, prop, c, group="Show") for caption, prop, name in show]
    rows += [
        C("integer", "LegendWrapColDesiredCountEdit", "Desired Count", "WrapColDesiredCount", w, group="Col",
          arrows=(1, 1000)),
        C("check", "LegendWrapColAutoCountEnabledCheckBox", "Enabled", "WrapColAutoCountEnabled", w,
          group="Col/Auto Count"),
        C("integer", "LegendWrapColAutoCountMaxEdit", "Max", "WrapColAutoCountMax", w, group="Col/Auto Count",
          arrows=(1, 1000)),
        C("number", "LegendWrapColSpacingMinEdit", "Min", "WrapColSpacingMin", w, group="Col/Spacing"),
        C("check", "LegendWrapColSpacingAutoCheckBox", "Auto", "WrapColSpacingAuto", w, group="Col/Spacing"),
        C("integer", "LegendWrapRowDesiredCountEdit", "Desired Count", "WrapRowDesiredCount", w, group="Row",
          arrows=(1, 1000)),
        C("check", "LegendWrapRowAutoCountEnabledCheckBox", "Enabled", "WrapRowAutoCountEnabled", w,
          group="Row/Auto Count"),
        C("integer", "LegendWrapRowAutoCountMaxEdit", "Max", "WrapRowAutoCountMax", w, group="Row/Auto Count",
          arrows=(1, 1000)),
        C("number", "LegendWrapRowSpacingMinEdit", "Min", "WrapRowSpacingMin", w, group="Row/Spacing"),
        C("check", "LegendWrapRowSpacingAutoCheckBox", "Auto", "WrapRowSpacingAuto", w, group="Row/Spacing"),
        C("check", "LegendColumnTitlesVisibleCheckbox", "Visible", "ColumnTitlesVisible", c, group="Titles"),
        C("font", "LegendFontPicker", "Font", "Font", g),
        C("font", "LegendSelectedItemFontPicker", "Font", "SelectedItemFont", g, group="Selected Item"),
        C("font", "LegendColumnTitlesFontPicker", "Font", "ColumnTitlesFont", c, group="Titles"),
    ]
    return Page("Legend", "LegendTabSheet", "Legend", "LegendPageControl", ["General", "Columns", "Wrap", "(Hidden)"],
                rows, store="LegendChange", list_box="LegendListBox", hidden_list="tab",
                group_columns={"Margin": 2, "Show": 3})


def data_view_page():
    g, gl = "General", "Grid Lines"
    rows = [
        C("text", "DataViewNameEdit", "Name", "Name", g, hidden=True),
        C("check", "DataViewEnabledCheckBox", "Enabled", "Enabled", g),
        C("check", "DataViewPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", g),
        C("integer", "DataViewLayerEdit", "Layer", "Layer", gl, arrows=(0, 0)),
        C("check", "DataViewBackGroundTransparentCheckBox", "Transparent", "BackgroundTransparent", g,
          group="Background"),
        C("colour", "DataViewBackgroundColorPicker", "Color", "BackgroundColor", g, group="Background"),
        C("check", "DataViewGridShow", "Show", "GridShow", g, group="Grid"),
        C("names", "DataViewGridXAxisNameComboBox", "X-Axis Name", "GridXAxisName", g, group="Grid",
          dropdown="DataViewGridXAxisNameComboBoxDropDown"),
        C("names", "DataViewGridYAxisNameComboBox", "Y-Axis Name", "GridYAxisName", g, group="Grid",
          dropdown="DataViewGridYAxisNameComboBoxDropDown"),
        C("check", "DataViewAxesControlEnabledCheckBox", "Enabled", "AxesControlEnabled", g, group="Axes Control"),
        C("check", "DataViewAxesControlAllowInSelectModeCheckBox", "Allow In Select Mode",
          "AxesControlAllowInSelectMode", g, group="Axes Control"),
        C("list", "DataViewAxesControlMouseStyleComboBox", "Mouse Style", "AxesControlMouseStyle", g,
          group="Axes Control", items=AXES_CONTROL_STYLES),
        C("list", "DataViewAxesControlWheelStyleComboBox", "Wheel Style", "AxesControlWheelStyle", g,
          group="Axes Control", items=AXES_CONTROL_STYLES),
        C("colour", "DataViewGridLineColorPicker", "Color", "GridLineColor", gl),
        C("check", "DataViewGridLineShowLeft", "Left", "GridLineShowLeft", gl, group="Show"),
        C("check", "DataViewGridLineShowRight", "Right", "GridLineShowRight", gl, group="Show"),
        C("check", "DataViewGridLineShowTop", "Top", "GridLineShowTop", gl, group="Show"),
        C("check", "DataViewGridLineShowBottom", "Bottom", "GridLineShowBottom", gl, group="Show"),
    ]
    kinds = [("XMajor", "X-Majors"), ("XMinor", "X-Minors"), ("YMajor", "Y-Majors"), ("YMinor", "Y-Minors")]
    rows += [C("check", f"DataViewGridLineShow{k}sCheckBox", "Show", f"GridLineShow{k}s", f"{gl}/{tab}")
             for k, tab in kinds]
    rows += [
        C("list", "DataViewGridLineMajorStyleComboBox", "Major Style", "GridLineMajorStyle", gl, items=GRID_STYLES),
        C("list", "DataViewGridLineMinorStyleComboBox", "Minor Style", "GridLineMinorStyle", gl, items=GRID_STYLES),
    ]
    for k, tab in kinds:
        t = f"{gl}/{tab}"
        rows += [
            C("check", f"DataViewGridLine{k}CustomCheckBox", "Custom", f"GridLine{k}Custom", t),
            C("colour", f"DataViewGridLine{k}ColorColorPicker", "Color", f"GridLine{k}Color", t,
              group="Custom Properties"),
            C("integer", f"DataViewGridLine{k}WidthEdit", "Width", f"GridLine{k}Width", t, group="Custom Properties",
              arrows=(0, 100)),
            C("list", f"DataViewGridLine{k}StyleComboBox", "Style", f"GridLine{k}Style", t, group="Custom Properties",
              items=GRID_STYLES),
        ]
    return Page("Data View", "DataViewTabSheet", "DataView", "DataViewPageControl",
                ["General", ("Grid Lines", ["X-Majors", "X-Minors", "Y-Majors", "Y-Minors"]), "(Hidden)"], rows,
                store="DataViewChange", list_box="DataViewListBox", hidden_list="tab",
                nested_names={"Grid Lines": "DataViewGridLinesCustomPageControl"}, nested_right={"Grid Lines"},
                group_columns={"Show": 2})


def table_page():
    g = "General"
    rows = [
        C("text", "TableNameEdit", "Name", "Name", g),
        C("check", "TableVisibleCheckbox", "Visible", "Visible", g),
        C("check", "TableEnabledCheckbox", "Enabled", "Enabled", g),
        C("check", "TablePopupEnabledCheckbox", "Popup Enabled", "PopupEnabled", g),
        C("number", "TableTopMarginEdit", "Top", "MarginTop", g, group="Margin", width=50),
        C("number", "TableLeftMarginEdit", "Left", "MarginLeft", g, group="Margin", width=50),
        C("number", "TableRightMarginEdit", "Right", "MarginRight", g, group="Margin", width=50),
        C("number", "TableBottomMarginEdit", "Bottom", "MarginBottom", g, group="Margin", width=50),
        C("number", "TableColumnSpacingEdit", "Column Spacing", "ColumnSpacing", g),
        C("number", "TableRowSpacingEdit", "Row Spacing", "RowSpacing", g),
        C("integer", "TableRowsMaxEdit", "Rows Max", "RowsMax", g),
        C("check", "TableColumnTitlesVisibleCheckBox", "Visible", "ColumnTitlesVisible", g, group="Column Titles"),
        C("check", "TableGridLinesShowCheckBox", "Show", "GridLinesShow", "Grid", group="Lines"),
        C("colour", "TableGridLinesColorPicker", "Color", "GridLinesColor", "Grid", group="Lines"),
        C("number", "TableStartPercentEdit", "Start Percent", "StartPercent", "Layout"),
        C("number", "TableStopPercentEdit", "Stop Percent", "StopPercent", "Layout"),
        C("check", "TableGridBackGroundTransparentCheckBox", "Transparent", "GridBackGroundTransparent", "Grid",
          group="Background"),
        C("colour", "TableGridBackgroundColorPicker", "Color", "GridBackGroundColor", "Grid", group="Background"),
        C("font", "TableDataFontPicker", "Font", "DataFont", g, group="Data"),
        C("font", "TableColumnTitlesFontPicker", "Font", "ColumnTitlesFont", g, group="Column Titles"),
    ]
    return Page("Tables", "TablesTabSheet", "Table", "TablePageControl", ["General", "Grid", "Layout"], rows,
                store="TableChange", list_box="TableListBox", add=("iTableAddButton", "iTableAddButtonClick"),
                remove=("TableRemoveButton", "TableRemoveButtonClick"), group_columns={"Margin": 2})


def data_cursor_page():
    g, h = "General", "Hint"
    rows = [
        C("text", "DataCursorNameEdit", "Name", "Name", g),
        C("check", "DataCursorPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", g),
        C("check", "DataCursorSnapToDataPointCheckBox", "Snap To Data Point", "SnapToDataPoint", g),
        C("list", "DataCursorStyleComboBox", "Style", "Style", g,
          items=["Value XY", "Value X", "Value Y", "Delta X", "Delta Y", "Inverse Delta X"]),
        C("colour", "DataCursorColorPicker", "Color", "Color", g),
        C("check", "DataCursorUseChannelColorCheckBox", "Use Channel Color", "UseChannelColor", g),
        C("number", "DataCursorHintPositionEdit", "Position", "HintPosition", h),
        C("check", "DataCursorHintShowCheckBox", "Show", "HintShow", h),
        C("check", "DataCursorHintHideOnReleaseCheckBox", "Hide On Release", "HintHideOnRelease", h),
        C("radio", "DataCursorOrientationSideRadioGroup", "Orientation Side", "HintOrientationSide", h,
          items=["Bottom-Right", "Top-Left"]),
        C("number", "DataCursorPointer1PositionEdit", "Pointer 1 Position", "Pointer1Position", g),
        C("number", "DataCursorPointer2PositionEdit", "Pointer 2 Position", "Pointer2Position", g),
        C("integer", "DataCursorPointerPenWidthEdit", "Pointer Pen Width", "PointerPenWidth", g, arrows=(1, 50)),
        C("names", "DataCursorChannelNameComboBox", "Name", "ChannelName", "Channel",
          dropdown="DataCursorChannelNameComboBoxDropDown"),
        C("check", "DataCursorChannelAllowAllCheckBox", "Allow All", "ChannelAllowAll", "Channel"),
        C("check", "DataCursorChannelShowAllInLegendCheckBox", "Show All In Legend", "ChannelShowAllInLegend",
          "Channel"),
        C("font", "DataCursorFontPicker", "Font", "Font", g),
    ]
    return Page("Cursors", "DataCursorTabSheet", "DataCursor", "DataCursorPageControl", ["General", "Channel", "Hint"],
                rows, store="DataCursorChange", list_box="DataCursorListBox",
                add=("iDataCursorAddButton", "iDataCursorAddButtonClick"),
                remove=("DataCursorRemoveButton", "DataCursorRemoveButtonClick"))


def limit_page():
    g = "General"
    rows = [
        C("text", "LimitNameEdit", "Name", "Name", g),
        C("check", "LimitVisibleCheckBox", "Visible", "Visible", g),
        C("check", "LimitUserCanMoveCheckBox", "User Can Move", "UserCanMove", g),
        C("check", "LimitPopUpEnabledCheckBox", "Popup Enabled", "PopupEnabled", g),
        C("check", "LimitClipToAxesCheckBox", "Clip To Axes", "ClipToAxes", g),
        C("integer", "LimitLayerEdit", "Layer", "Layer", g, arrows=(0, 0)),
        C("list", "LimitStyleComboBox", "Style", "Style", g,
          items=["Line X", "Line Y", "Band X", "Band Y", "Poly Band X", "Poly Band Y"]),
        C("number", "LimitLine1PositionEdit", "Line 1 Position", "Line1Position", g),
        C("number", "LimitLine2PositionEdit", "Line 2 Position", "Line2Position", g),
        C("list", "LimitFillStyleCombobox", "Fill Style", "FillStyle", g, items=BRUSH_STYLES),
        C("list", "LimitLineStyleComboBox", "Line Style", "LineStyle", g, items=PEN_STYLES_SPACED),
        C("integer", "LimitLineWidthEdit", "Line Width", "LineWidth", g, arrows=(0, 100)),
        C("colour", "LimitColorPicker", "Color", "Color", g),
        C("names", "LimitXAxisNameComboBox", "X-Axis Name", "XAxisName", g, dropdown="XAxisNameComboBoxDropDown"),
        C("names", "LimitYAxisNameComboBox", "Y-Axis Name", "YAxisName", g, dropdown="YAxisNameComboBoxDropDown"),
    ]
    return Page("Limits", "LimitTabSheet", "Limit", "LimitPageControl", ["General"], rows, store="LimitChange",
                list_box="LimitListBox", add=("iLimitAddButton", "iLimitAddButtonClick"),
                remove=("LimitRemoveButton", "LimitRemoveButtonClick"))


def label_page():
    g = "General"
    rows = [
        C("text", "LabelNameEdit", "Name", "Name", g),
        C("check", "LabelVisibleCheckBox", "Visible", "Visible", g),
        C("text", "LabelCaptionMemo", "Caption", "Caption", g, width=180),
        C("number", "LabelMarginLeftEdit", "Left", "MarginLeft", g, group="Margin", width=50),
        C("number", "LabelMarginTopEdit", "Top", "MarginTop", g, group="Margin", width=50),
        C("number", "LabelMarginRightEdit", "Right", "MarginRight", g, group="Margin", width=50),
        C("number", "LabelMarginBottomEdit", "Bottom", "MarginBottom", g, group="Margin", width=50),
        C("list", "LabelAlignmentComboBox", "Alignment", "Alignment", g, items=["Center", "Left", "Right"]),
        C("integer", "LabelImageListIndexEdit", "Image List Index", "ImageListIndex", g, arrows=(-1, 2)),
        C("integer", "LabelImageIndexEdit", "Image Index", "ImageIndex", g, arrows=(-1, 255)),
        C("font", "LabelFontPicker", "Font", "Font", g),
    ]
    return Page("Labels", "LabelsTabSheet", "Label", "LabelPageControl", ["General"], rows, store="LabelChange",
                list_box="LabelListBox", add=("iLabelAddButton", "iLabelAddButtonClick"),
                remove=("LabelRemoveButton", "LabelRemoveButtonClick"), group_columns={"Margin": 2})


# ---- Control page ----------------------------------------------------------------------------------------

def control_rows():
    gen, bg, pr, hi, fio, ad = "General", "Background", "Print", "Hints", "File I/O", "Annotation Defaults"
    return [
        C("list", "CopyToClipBoardFormatComboBox", "Copy To ClipBoard Format", "CopyToClipBoardFormat", gen,
          items=["Meta File", "Bitmap", "JPEG"]),
        C("list", "FileColumnSeparatorComboBox", "File Column Separator", "DataFileColumnSeparator", gen,
          items=["Tab", "Comma"]),
        C("check", "ClipAnnotationsToAxesCheckBox", "Clip Annotations To Axes", "ClipAnnotationsToAxes", gen),
        C("radio", "BorderStyleRadioGroup", "Border Style", "BorderStyle", gen, items=["None", "Raised", "Lowered"],
          columns=3),
        C("integer", "OuterMarginTopEdit", "Top", "OuterMarginTop", gen, group="Outer Margin", arrows=(0, 0)),
        C("integer", "OuterMarginLeftEdit", "Left", "OuterMarginLeft", gen, group="Outer Margin", arrows=(0, 0)),
        C("integer", "OuterMarginRightEdit", "Right", "OuterMarginRight", gen, group="Outer Margin", arrows=(0, 0)),
        C("integer", "OuterMarginBottomEdit", "Bottom", "OuterMarginBottom", gen, group="Outer Margin",
          arrows=(0, 0)),
        C("integer", "UpdateFrameRateEdit", "Update Frame Rate", "UpdateFrameRate", gen, arrows=(0, 100)),
        C("check", "AutoFrameRateCheckBox", "Auto Frame Rate", "AutoFrameRate", gen),
        C("text", "TitleTextEdit", "Text", "TitleText", "Title", width=200, handler="TitleChange"),
        C("check", "TitleVisibleCheckBox", "Visible", "TitleVisible", "Title", handler="TitleChange"),
        C("font", "TitleFontPicker", "Font", "TitleFont", "Title", handler="TitleChange"),
        C("number", "TitleMarginEdit", "Margin", "TitleMargin", "Title", handler="TitleChange"),
        C("colour", "BackGroundColorPicker", "Color", "BackGroundColor", bg),
        C("check", "BackGroundGradientEnabledCheckBox", "Enabled", "BackGroundGradientEnabled", bg, group="Gradient"),
        C("colour", "BackGroundGradientStartColorPicker", "Start Color", "BackGroundGradientStartColor", bg,
          group="Gradient"),
        C("colour", "BackGroundGradientStopColorPicker", "Stop Color", "BackGroundGradientStopColor", bg,
          group="Gradient"),
        C("list", "BackGroundGradientDirectionComboBox", "Direction", "BackGroundGradientDirection", bg,
          group="Gradient",
          items=["Top/Bottom", "Bottom/Top", "Left/Right", "Right/Left", "Top Left/Bottom Right",
                 "Bottom Right/Top Left", "Bottom Left/Top Right", "Top Right/Bottom Left", "Rectangle Out",
                 "Rectangle In", "Circle Out", "Circle In"]),
        C("number", "PrintMarginTopEdit", "Top", "PrintMarginTop", pr, group="Margin", width=50),
        C("number", "PrintMarginLeftEdit", "Left", "PrintMarginLeft", pr, group="Margin", width=50),
        C("number", "PrintMarginRightEdit", "Right", "PrintMarginRight", pr, group="Margin", width=50),
        C("number", "PrintMarginBottomEdit", "Bottom", "PrintMarginBottom", pr, group="Margin", width=50),
        C("radio", "PrintOrientationRadioGroup", "Orientation", "PrintOrientation", pr,
          items=["Portrait", "Landscape"], columns=2),
        C("check", "PrintShowDialogCheckBox", "Show Dialog", "PrintShowDialog", pr),
        C("text", "PrintDocumentNameEdit", "Document Name", "PrintDocumentName", pr, width=160),
        C("check", "HintsShowCheckBox", "Show", "HintsShow", hi),
        C("integer", "HintsPauseEdit", "Pause", "HintsPause", hi, arrows=(0, 0)),
        C("integer", "HintsHidePauseEdit", "Hide Pause", "HintsHidePause", hi, arrows=(0, 0)),
        C("font", "HintsFontPicker", "Font", "HintsFont", hi),
        C("text", "ControlLogFileNameEdit", "File Name", "LogFileName", fio, group="Log", width=150,
          beside=log_picker("Control")),
        C("integer", "ControlLogBufferSizeEdit", "Buffer Size", "LogBufferSize", fio, group="Log", arrows=(0, 0)),
        C("font", "AnnotationDefaultFontPicker", "Font", "AnnotationDefaultFont", ad),
        C("colour", "AnnotationDefaultBrushColorPicker", "Color", "AnnotationDefaultBrushColor", ad, group="Brush"),
        C("list", "AnnotationDefaultBrushStyleComboBox", "Style", "AnnotationDefaultBrushStlye", ad, group="Brush",
          items=BRUSH_STYLES),
        C("colour", "AnnotationDefaultPenColorPicker", "Color", "AnnotationDefaultPenColor", ad, group="Pen"),
        C("list", "AnnotationDefaultPenStyleComboBox", "Style", "AnnotationDefaultPenStlye", ad, group="Pen",
          items=PEN_STYLES_SPACED),
        C("integer", "AnnotationDefaultPenWidthEdit", "Width", "AnnotationDefaultPenWidth", ad, group="Pen",
          arrows=(0, 100)),
        C("list", "AnnotationDefaultReferenceComboBox", "Reference", "AnnotationDefaultReference", ad,
          items=["DataView", "Channel", "X-Channel Y-DataView", "Y-Channel X-DataView "]),
        C("list", "AnnotationDefaultReferencePositionXComboBox", "Reference Position-X",
          "AnnotationDefaultReferencePositionX", ad, items=REFERENCE_INDIVIDUAL),
        C("list", "AnnotationDefaultReferencePositionYComboBox", "Reference Position-Y",
          "AnnotationDefaultReferencePositionY", ad, items=REFERENCE_INDIVIDUAL),
        C("list", "AnnotationDefaultReferenceSizeXComboBox", "Reference Size-X", "AnnotationDefaultReferenceSizeX",
          ad, items=REFERENCE_INDIVIDUAL),
        C("list", "AnnotationDefaultReferenceSizeYComboBox", "Reference Size-Y", "AnnotationDefaultReferenceSizeY",
          ad, items=REFERENCE_INDIVIDUAL),
    ]


# The order in which the "Control" page is written into the plot: frame rate, clipping, border,
# clipboard, separator, background, outer margins, title, log, hints, annotation defaults, printing.
CONTROL_STORE_ORDER = [
    "UpdateFrameRateEdit", "AutoFrameRateCheckBox", "ClipAnnotationsToAxesCheckBox", "BorderStyleRadioGroup",
    "CopyToClipBoardFormatComboBox", "FileColumnSeparatorComboBox", "BackGroundColorPicker",
    "BackGroundGradientEnabledCheckBox", "BackGroundGradientStartColorPicker", "BackGroundGradientStopColorPicker",
    "BackGroundGradientDirectionComboBox", "OuterMarginTopEdit", "OuterMarginLeftEdit", "OuterMarginRightEdit",
    "OuterMarginBottomEdit", "TitleVisibleCheckBox", "TitleMarginEdit", "TitleTextEdit", "TitleFontPicker",
    "ControlLogFileNameEdit", "ControlLogBufferSizeEdit", "HintsShowCheckBox", "HintsPauseEdit",
    "HintsHidePauseEdit", "HintsFontPicker", "AnnotationDefaultFontPicker", "AnnotationDefaultBrushStyleComboBox",
    "AnnotationDefaultBrushColorPicker", "AnnotationDefaultPenStyleComboBox", "AnnotationDefaultPenColorPicker",
    "AnnotationDefaultPenWidthEdit", "AnnotationDefaultReferenceComboBox",
    "AnnotationDefaultReferencePositionXComboBox", "AnnotationDefaultReferencePositionYComboBox",
    "AnnotationDefaultReferenceSizeXComboBox", "AnnotationDefaultReferenceSizeYComboBox", "PrintMarginTopEdit",
    "PrintMarginLeftEdit", "PrintMarginRightEdit", "PrintMarginBottomEdit", "PrintOrientationRadioGroup",
    "PrintShowDialogCheckBox", "PrintDocumentNameEdit",
]

# The "Title" tab edits label 0: its controls and the label's properties.
TITLE_LABEL_ROWS = [("TitleVisibleCheckBox", "Visible", "check"), ("TitleTextEdit", "Caption", "text"),
                    ("TitleMarginEdit", "MarginBottom", "number"), ("TitleFontPicker", "Font", "font")]
TITLE_CONTROLS = {name for name, _, _ in TITLE_LABEL_ROWS}

ANNOTATION_FILTER = "Annotations (*.ano)|*.ano|All Files (*.*)|*.*"


def control_page():
    extras = file_extras("Control", "File I/O", [
        ("Properties", ("ControlPropertiesOpenPicker", CONFIG_FILTER, "cfg", True),
         ("ControlPropertiesSavePicker", CONFIG_FILTER, "cfg")),
        ("Data", ("ControlDataOpenPicker", "Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*", "dat", False),
         ("ControlDataSavePicker", DATA_FILTER, "dat")),
        ("Annotations", ("ControlAnnotationOpenPicker", ANNOTATION_FILTER, "dat", False),
         ("ControlAnnotationSavePicker", ANNOTATION_FILTER, "dat")),
    ]) + log_extras("Control", "File I/O")
    return Page("Control", "GeneralTabSheet", "", "ControlPageControl",
                ["General", "Title", "Background", "Print", "Hints", "File I/O", "Annotation Defaults"], control_rows(),
                extras=extras, store="GeneralChanged", group_columns={"Outer Margin": 2, "Margin": 2},
                groups_first={"File I/O": ["Properties", "Data", "Annotations"]})


# ---- Pages -----------------------------------------------------------------------------------------------

class Page:
    """A top-level tab of the editor: its object kind's prefix, nested tabs, rows and extras."""

    def __init__(self, caption, sheet, prefix, page_control, tabs, rows, strip_rows=(), extras=(), store=None,
                 list_box=None, add=None, remove=None, hidden_list=None, nested_names=None, nested_below=(),
                 nested_right=(), group_columns=None, strip_tabs=(), groups_first=None):
        self.caption = caption
        self.sheet = sheet
        self.prefix = prefix
        self.page_control = page_control
        self.tabs = tabs
        self.rows = list(rows)
        self.strip_rows = list(strip_rows)
        self.extras = list(extras)
        self.store = store
        self.list_box = list_box
        self.add = add
        self.remove = remove
        self.hidden_list = hidden_list
        self.nested_names = nested_names or {}
        self.nested_below = set(nested_below)
        self.nested_right = set(nested_right)
        self.group_columns = group_columns or {}
        self.strip_tabs = set(strip_tabs)
        # Per tab, group boxes placed before the controls (in this order).
        self.groups_first = groups_first or {}

    def all_rows(self):
        return self.rows + self.strip_rows


def sheet_props(caption):
    # A sheet fills its area itself: the page control it lies on draws its tabs, not its pages.
    return [("Caption", caption), ("ParentBackground", False)]


def ident(text):
    """A tab's caption as part of a component name: "(Default)" -> "Default", "High/Low" -> "HighLow"."""
    return "".join(ch for ch in text if ch.isalnum())


# ---- Building the controls -------------------------------------------------------------------------------

def control_objects(row, store):
    """The objects of one row: its control and what belongs to it (arrows, value picker), as (obj, width,
    height) of the control and a list of companions placed right of it."""
    event = {"text": "OnUpdate", "integer": "OnUpdate", "number": "OnUpdate", "check": "OnClick",
             "radio": "OnClick", "list": "OnChange", "editable": "OnChange", "names": "OnChange",
             "colour": "OnChange", "font": "OnChange"}[row.kind]
    props = []
    companions = []
    if row.kind in EDIT_KINDS:
        cls = "TiComponentEditorEdit"
        width = row.width or (60 if row.kind == "integer" else 80 if row.kind == "number" else 120)
        height = EDIT_HEIGHT
        if row.arrows:
            arrows = [("Associate", Ident(row.name)), ("Min", row.arrows[0]), ("Max", row.arrows[1])]
            if len(row.arrows) > 2:
                arrows.append(("Increment", row.arrows[2]))
            companions.append((Obj(f"{row.name[:-4] if row.name.endswith('Edit') else row.name}UpDown", "TiUpDown",
                                   arrows), ARROWS_WIDTH))
        if row.picker:
            companions.append((Obj(row.picker_name, "TiComponentEditorValueConverterPicker", [
                ("Associate", Ident(row.name)), ("Caption", "..."), ("Hint", "Date/Time Editor"), ("ShowHint", True),
                ("DefaultPage", Ident(row.picker))]), PICKER_WIDTH))
    elif row.kind in COMBO_KINDS:
        cls = "TiComponentEditorComboBox"
        items = row.items or []
        # Wide enough for the longest choice, up to COMBO_MAX (the list drops down wider).
        width = row.width or min(COMBO_MAX, max([110 if row.kind == "names" else 60] +
                                                [text_width(i) + 30 for i in items]))
        height = EDIT_HEIGHT
        props.append(("Style", Ident("csDropDown" if row.kind == "editable" else "csDropDownList")))
        props.append(("DropDownCount", 12))
        if items:
            props.append(("Items.Strings", items))
        if row.dropdown:
            props.append(("OnDropDown", Ident(row.dropdown)))
    elif row.kind == "check":
        cls = "TiComponentEditorCheckBox"
        width, height = 20 + text_width(row.caption), CHECK_HEIGHT
        props.append(("Caption", row.caption))
    elif row.kind == "radio":
        cls = "TiComponentEditorRadioGroup"
        per_row = -(-len(row.items) // row.columns)
        column = max(text_width(i) for i in row.items) + 28
        width = max(column * row.columns + 12, text_width(row.caption) + 24)
        height = 20 + per_row * 19
        props += [("Caption", row.caption), ("Columns", row.columns), ("Items.Strings", row.items)]
    elif row.kind == "colour":
        cls = "TiComponentEditorColorPicker"
        width, height = row.width or 60, EDIT_HEIGHT
    elif row.kind == "font":
        cls = "TiComponentEditorFontPicker"
        width, height = FONT_BUTTON
        props.append(("Caption", row.caption))
    else:
        raise ValueError(row.kind)
    if row.hidden:
        props.append(("Visible", False))
    props.append((event, Ident(row.handler or store)))
    companions += [(copy.deepcopy(obj), w) for obj, w in row.beside]
    return Obj(row.name, cls, props), width, height, companions


class Cell:
    """One thing placed in a column: a captioned control (caption label at the left), or a plain one."""

    def __init__(self, obj, width, height, caption=None, companions=(), lead=None):
        self.obj = obj
        self.width = width
        self.height = height
        self.caption = caption
        self.companions = list(companions)
        self.lead = lead

    def pitch(self):
        return max(PITCH, self.height + 2)

    def control_width(self):
        return (LEAD_WIDTH if self.lead else 0) + self.width + sum(w for _, w in self.companions)


class Group:
    """A group box: caption, cells (and sub-groups), laid out in `columns` sub-columns."""

    def __init__(self, name, caption, columns=1):
        self.name = name
        self.caption = caption
        self.columns = columns
        self.items = []


def column_measure(items):
    """Label width, total width and height of one column of cells and groups."""
    label = max([text_width(i.caption) for i in items if isinstance(i, Cell) and i.caption] + [0])
    width = 0
    height = 0
    for item in items:
        if isinstance(item, Cell):
            w = (label + LABEL_GAP if item.caption else 0) + item.control_width()
            h = item.pitch()
        else:
            w, h = group_measure(item)
            h += 2
        width = max(width, w)
        height += h
    return label, width, height


def split_columns(items, columns):
    per = -(-len(items) // columns)
    return [items[i:i + per] for i in range(0, len(items), per)] or [[]]


def group_measure(group):
    parts = [column_measure(c) for c in split_columns(group.items, group.columns)]
    inner_w = sum(w for _, w, _ in parts) + COLUMN_GAP * (len(parts) - 1)
    inner_h = max(h for _, _, h in parts)
    width = max(inner_w, text_width(group.caption) + 16) + 2 * GROUP_SIDE
    return width, inner_h + GROUP_TOP + GROUP_BOTTOM - 2


class Placer:
    """Places cells and groups into objects under a parent object; collects the objects it makes."""

    def __init__(self, parent, errors, where):
        self.parent = parent
        self.errors = errors
        self.where = where

    def column(self, items, x, y):
        label, _, _ = column_measure(items)
        for item in items:
            if isinstance(item, Cell):
                control_x = x + (label + LABEL_GAP if item.caption else 0)
                top = y + (item.pitch() - item.height) // 2 if item.height < EDIT_HEIGHT else y
                if item.caption:
                    self.parent.children.append(Obj(f"{item.obj.name}Label", "TLabel", [
                        ("Left", x), ("Top", y + 4), ("Caption", item.caption)]))
                if item.lead:
                    self.parent.children.append(Obj(f"{item.obj.name}Lead", "TLabel", [
                        ("Left", control_x), ("Top", top), ("Caption", item.lead)]))
                    control_x += LEAD_WIDTH
                item.obj.props = bounds(control_x, top, item.width, item.height) + item.obj.props
                self.parent.children.append(item.obj)
                cx = control_x + item.width
                for companion, w in item.companions:
                    if companion.cls in ("TiComponentEditorButton", "TiComponentEditorSavePicker") and w > PICKER_WIDTH:
                        companion.props = bounds(cx + BUTTON_GAP, top, w - BUTTON_GAP, item.height) + companion.props
                    else:
                        companion.props = bounds(cx, top, w, EDIT_HEIGHT) + companion.props
                    self.parent.children.append(companion)
                    cx += w
                y += item.pitch()
            else:
                w, h = group_measure(item)
                box = Obj(item.name, "TiComponentEditorGroupBox", bounds(x, y, w, h) + [("Caption", item.caption)])
                self.parent.children.append(box)
                inner = Placer(box, self.errors, f"{self.where}/{item.caption}")
                gx = GROUP_SIDE
                for part in split_columns(item.items, item.columns):
                    inner.column(part, gx, GROUP_TOP)
                    gx += column_measure(part)[1] + COLUMN_GAP
                y += h + 2
        return y


def flow(items, width, height, x0=MARGIN, y0=MARGIN):
    """Columns of items, each no taller than the space: a list of (x, items)."""
    columns = [[]]
    used = 0
    for item in items:
        h = column_measure([item])[2]
        if columns[-1] and used + h > height - y0 - 2:
            columns.append([])
            used = 0
        columns[-1].append(item)
        used += h
    placed = []
    x = x0
    for column in columns:
        placed.append((x, column))
        x += column_measure(column)[1] + COLUMN_GAP
    return placed


# ---- Tabs ------------------------------------------------------------------------------------------------

def tab_cells(page, tab):
    """The cells and groups of one tab, in table order (a group where its first member is)."""
    items = []
    groups = {}

    def container(group_path):
        if not group_path:
            return items
        if group_path in groups:
            return groups[group_path].items
        parent_path, _, caption = group_path.rpartition("/")
        group = Group(f"{page.prefix or 'Control'}{ident(tab)}{ident(group_path)}GroupBox", caption,
                      page.group_columns.get(group_path, 1))
        container(parent_path).append(group)
        groups[group_path] = group
        return group.items

    for group_path in page.groups_first.get(tab, ()):
        container(group_path)
    for row in page.all_rows():
        if row.tab != tab or row.hidden:
            continue
        obj, w, h, companions = control_objects(row, page.store)
        container(row.group).append(Cell(obj, w, h, row.caption if row.kind in CAPTIONED else None, companions))
    for extra in page.extras:
        if extra.tab != tab:
            continue
        companions = [(copy.deepcopy(obj), w) for obj, w in extra.beside]
        container(extra.group).append(Cell(copy.deepcopy(extra.obj), extra.width, extra.height, extra.caption_label,
                                           companions, lead=extra.lead))
    return items


def hidden_controls(parent, page, tab):
    """The page's hidden controls of the tab (a name the user never reaches), without caption or room."""
    for row in page.all_rows():
        if row.tab == tab and row.hidden:
            obj, w, h, _ = control_objects(row, page.store)
            obj.props = bounds(MARGIN, MARGIN, w, h) + obj.props
            parent.children.append(obj)


def make_tab_sheet(page, tab_path, caption, width, height, errors, children_tabs=None, hidden=False):
    name = f"{page.prefix or 'Control'}{ident(tab_path)}TabSheet"
    sheet = Obj(name, "TTabSheet", sheet_props(caption) + ([("TabVisible", False)] if hidden else []))
    if tab_path == "(Hidden)":
        sheet.children.append(Obj(page.list_box, "TiComponentEditorListBox",
                                  bounds(MARGIN, MARGIN, 120, 100) + list_events(page)))
    hidden_controls(sheet, page, tab_path)
    if tab_path == "(Hidden)":
        return sheet
    items = tab_cells(page, tab_path)
    if children_tabs:
        nested_name = page.nested_names[caption]
        if caption in page.nested_right:
            placed = flow(items, width, height)
            right = placed[-1][0] + column_measure(placed[-1][1])[1] + COLUMN_GAP if items else MARGIN
            box = (right, 2, width - right - 2, height - 4)
        elif caption in page.nested_below:
            placed = [(MARGIN, items)] if items else []
            below = MARGIN + column_measure(items)[2] if items else 2
            box = (2, below, width - 4, height - below - 2)
        else:
            placed = []
            box = (2, 2, width - 4, height - 4)
        nested = page_control(page, nested_name, box, [(f"{tab_path}/{t}", t) for t in children_tabs], errors)
        sheet.children.append(nested)
    else:
        placed = flow(items, width, height)
    placer = Placer(sheet, errors, f"{page.caption}/{tab_path}")
    for x, column in placed:
        bottom = placer.column(column, x, MARGIN)
        right = x + column_measure(column)[1]
        if bottom > height - 2 or right > width - 2:
            errors.append(f"{page.caption}/{tab_path}: the controls need {right} x {bottom}, the tab is "
                          f"{width} x {height}")
    return sheet


def page_control(page, name, box, tabs, errors):
    left, top, width, height = box
    pc = Obj(name, "TiComponentEditorPageControl", bounds(left, top, width, height))
    sheet_w, sheet_h = sheet_size(width, height)
    for path, caption in tabs:
        if isinstance(caption, tuple):
            caption, children = caption
        else:
            children = None
        hidden = caption == "(Hidden)"
        pc.children.append(make_tab_sheet(page, path, "" if hidden else caption, sheet_w, sheet_h, errors, children,
                                          hidden))
    first = pc.children[0].name if pc.children else None
    if first:
        pc.props.append(("ActivePage", Ident(first)))
    pc.props.append(("TabOrder", 0))
    return pc


def list_events(page):
    kind = page.prefix
    return [("OnClick", Ident(f"{kind}ListBoxClick")), ("OnGetData", Ident(f"{kind}ListBoxGetData"))]


def object_tab(page, errors):
    """A top-level tab sheet of an object kind."""
    sheet_w, sheet_h = TOP_SHEET
    sheet = Obj(page.sheet, "TTabSheet", sheet_props(page.caption))
    if page.hidden_list is None and page.list_box:
        sheet.children.append(Obj(page.list_box, "TiComponentEditorListBox", bounds(*LIST_BOUNDS) + list_events(page)))
        add_name, add_handler = page.add
        remove_name, remove_handler = page.remove
        sheet.children.append(Obj(add_name, "TiComponentEditorButton",
                                  bounds(*ADD_BOUNDS) + [("Caption", "Add"), ("OnClick", Ident(add_handler))]))
        sheet.children.append(Obj(remove_name, "TiComponentEditorButton",
                                  bounds(*REMOVE_BOUNDS) + [("Caption", "Remove"), ("OnClick", Ident(remove_handler))]))
        box = TABS_WITH_LIST
    else:
        box = TABS_FULL
    if page.hidden_list == "group":
        sheet.children.append(Obj(f"{page.prefix}ListGroupBox", "TiComponentEditorGroupBox",
                                  bounds(MARGIN, MARGIN, 130, 100) + [("Caption", "List"), ("Visible", False)], [
                                      Obj(page.list_box, "TiComponentEditorListBox",
                                          bounds(8, 16, 114, 76) + list_events(page))]))
    if page.page_control:
        tabs = [(t if isinstance(t, str) else t[0], t) for t in page.tabs]
        sheet.children.append(page_control(page, page.page_control, box, tabs, errors))
    else:
        hidden_controls(sheet, page, "")
        items = tab_cells(page, "")
        placer = Placer(sheet, errors, page.caption)
        for x, column in flow(items, sheet_w, sheet_h):
            bottom = placer.column(column, x, MARGIN)
            if bottom > sheet_h - 2 or x + column_measure(column)[1] > sheet_w - 2:
                errors.append(f"{page.caption}: the controls do not fit")
    return sheet


def layout_tab():
    return Obj("LayoutTabSheet", "TTabSheet", sheet_props("Layout"), [
        Obj("iPlotLayoutViewer", "TiPlotLayoutViewer", bounds(2, 1, 568, 244) + [
            ("PopupMenu", Ident("LayoutPopupMenu")), ("OnChange", Ident("iPlotLayoutViewerChange")),
            ("OnMouseDown", Ident("iPlotLayoutViewerMouseDown"))])])


LAYOUT_MENU = [("XYAxesReverseMenuItem", "XY-Axes Reverse"), ("N1", "-"), ("AddXAxisMenuItem", "Add X-Axis"),
               ("AddYAxisMenuItem", "Add Y-Axis"), ("AddLabelMenuItem", "Add Label"), ("N2", "-"),
               ("DeleteMenuItem", "Delete"), ("VisibleMenuItem", "Visible"), ("EditMenuItem", "Edit")]


def layout_menu():
    items = []
    for name, caption in LAYOUT_MENU:
        props = [("Caption", caption)]
        if caption != "-":
            props.append(("OnClick", Ident(f"{name}Click")))
        items.append(Obj(name, "TMenuItem", props))
    return Obj("LayoutPopupMenu", "TPopupMenu", [("OnPopup", Ident("LayoutPopupMenuPopup"))], items)


def pages():
    return {
        "Control": control_page(),
        "Channels": channel_page(),
        "Cursors": data_cursor_page(),
        "Limits": limit_page(),
        "Labels": label_page(),
        "X-Axes": axis_page("X"),
        "Y-Axes": axis_page("Y"),
        "Legend": legend_page(),
        "Tables": table_page(),
        "ToolBar": toolbar_page(),
        "Data View": data_view_page(),
    }


TOP_ORDER = ["Control", "Layout", "Channels", "Cursors", "Limits", "Labels", "X-Axes", "Y-Axes", "Legend", "Tables",
             "ToolBar", "Data View"]

GENERATED = "// Written by tools/forms/plot_editor_form.py: change the script, not this file.\n"


def tab_orders(obj):
    """Numbers the windowed children of every object in the order they were placed."""
    windowed = {"TiComponentEditorEdit", "TiComponentEditorComboBox", "TiComponentEditorCheckBox",
                "TiComponentEditorRadioGroup", "TiComponentEditorColorPicker", "TiComponentEditorFontPicker",
                "TiComponentEditorButton", "TiComponentEditorOpenPicker", "TiComponentEditorSavePicker",
                "TiComponentEditorValueConverterPicker", "TiComponentEditorListBox", "TiComponentEditorGroupBox",
                "TiComponentEditorPageControl", "TiPlotLayoutViewer"}
    order = 0
    for child in obj.children:
        if child.cls in windowed and not any(k == "TabOrder" for k, _ in child.props):
            child.props.append(("TabOrder", order))
            order += 1
        tab_orders(child)


def form(all_pages, errors):
    pc = Obj("PageControl", "TiComponentEditorPageControl", [("Align", Ident("alClient")),
                                                              ("ActivePage", Ident("GeneralTabSheet"))])
    for caption in TOP_ORDER:
        pc.children.append(layout_tab() if caption == "Layout" else object_tab(all_pages[caption], errors))
    root = Obj("TiPlotEditorForm", "TiPlotEditorForm", [
        ("Caption", "Plot"), ("BorderStyle", Ident("bsDialog")), ("ClientWidth", FORM_WIDTH),
        ("ClientHeight", FORM_HEIGHT),
        ("OnCreate", Ident("FormCreate")), ("OnClose", Ident("iCustomEditorFormClose"))], [pc, layout_menu()])
    tab_orders(root)
    return GENERATED + "\n".join(root.lines()).replace("object TiPlotEditorForm: TiPlotEditorForm",
                                                       "object TiPlotEditorForm") + "\n"


# ---- The program's tables --------------------------------------------------------------------------------

def enabled_controls(page):
    """Every control that is enabled and disabled with the page: its editing controls with their arrows and
    value pickers (those named with the prefix), the group boxes, buttons and pickers of its tabs, the
    list and the remove button. Caption labels, tab sheets, page controls and the add button are not."""
    names = []

    def walk(obj):
        if obj.name.startswith(page.prefix) and obj.cls not in ("TLabel", "TTabSheet", "TiComponentEditorPageControl"):
            names.append(obj.name)
        for child in obj.children:
            walk(child)

    walk(object_tab(page, []))
    return names


def cpp_rows(name, rows):
    lines = [f"const TiEditorRow {name}[] = {{"]
    for row in rows:
        lines.append(f'    {{"{row.name}", "{row.prop}", TiEditorKind::{KINDS[row.kind]}}},')
    return lines + ["};", ""]


def cpp_names(name, names):
    lines = [f"const char *const {name}[] = {{"]
    lines += [f'    "{n}",' for n in names]
    return lines + ["};", ""]


def tables(all_pages):
    out = [GENERATED.rstrip("\n"), "// The rows each page of the plot editor loads and stores, in the order it stores them, and the",
           "// controls enabled and disabled with each page (iPlotEditorTables.h).", "",
           '#include "plotlib/editor/iPlotEditorTables.h"', "", "namespace {", ""]
    kinds = [("ToolBar", "ToolBar"), ("Legend", "Legend"), ("Table", "Tables"), ("XAxis", "X-Axes"),
             ("YAxis", "Y-Axes"), ("DataView", "Data View"), ("Channel", "Channels"), ("DataCursor", "Cursors"),
             ("Limit", "Limits"), ("Label", "Labels")]
    for prefix, caption in kinds:
        page = all_pages[caption]
        out += cpp_rows(f"{prefix}Rows", page.rows)
        out += cpp_names(f"{prefix}Controls", enabled_controls(page))
    out += cpp_rows("ChannelStripRows", all_pages["Channels"].strip_rows)
    control = {row.name: row for row in all_pages["Control"].rows}
    missing = set(control) ^ set(CONTROL_STORE_ORDER)
    if missing:
        raise SystemExit(f"the store order of the Control page and its rows differ: {sorted(missing)}")
    out += cpp_rows("ControlRows", [control[n] for n in CONTROL_STORE_ORDER])

    class Row:
        def __init__(self, name, prop, kind):
            self.name, self.prop, self.kind = name, prop, kind

    out += cpp_rows("TitleLabelRows", [Row(*r) for r in TITLE_LABEL_ROWS])
    out += cpp_names("StripTabs", strip_sheet_names(all_pages["Channels"]))
    out += ["}  // namespace", ""]
    for prefix, _ in kinds:
        out.append(f"const TiEditorPageTable i{prefix}PageTable = {{{prefix}Rows, {prefix}Controls}};")
    out += ["const std::span<const TiEditorRow> iChannelStripRows = ChannelStripRows;",
            "const std::span<const char *const> iChannelStripTabs = StripTabs;",
            "const std::span<const TiEditorRow> iControlPageRows = ControlRows;",
            "const std::span<const TiEditorRow> iTitleLabelRows = TitleLabelRows;"]
    return "\n".join(out) + "\n"


def strip_sheet_names(page):
    return [f"{page.prefix}{ident(t if isinstance(t, str) else t[0])}TabSheet" for t in page.tabs
            if (t if isinstance(t, str) else t[0]) in page.strip_tabs]


def outputs():
    all_pages = pages()
    errors = []
    text = form(all_pages, errors)
    if errors:
        raise SystemExit("controls that do not fit their tab:\n  " + "\n  ".join(errors))
    return [(FORM, text), (TABLES, tables(all_pages))]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the committed files instead of writing")
    args = parser.parse_args()
    differing = []
    for path, text in outputs():
        if args.check:
            if not path.is_file() or path.read_text(encoding="utf-8") != text:
                differing.append(path.name)
        else:
            path.write_text(text, encoding="utf-8")
    if differing:
        print("files that differ from what tools/forms/plot_editor_form.py writes: " + ", ".join(differing),
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
