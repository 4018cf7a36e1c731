#include "curves/LMyFFTDraw.h"

#include "curves/PlotPixels.h"
#include "curves/ResponsePlotProperties.h"

namespace {

// Stream order of the published properties.
constexpr const char *PropertyOrder[] = {
    "AutoRedraw",
    "AxisColor",
    "AxisStyle",
    "XAxisFormat",
    "YAxisFormat",
    "ShowXLabel",
    "ShowYLabel",
    "YAutoScale",
    "XAutoScale",
    "YMax",
    "YMin",
    "XMax",
    "XMin",
    "ShowCoordinates",
    "YLabelPrecision",
    "XLabelPrecision",
    "XLabelDigits",
    "YLabelDigits",
    "YLabelFormat",
    "XLabelFormat",
    "PointSize",
    "MouseControl",
    "ShowVertGrid",
    "ShowHorzGrid",
    "ShowVertTicks",
    "ShowHorzTicks",
    "VertTickLength",
    "HorzTickLength",
    "NumVertGrid",
    "NumHorzGrid",
    "GridColor",
    "MouseX",
    "MouseY",
    "ShowXTitle",
    "ShowYTitle",
    "ShowPlotTitle",
    "XTitle",
    "YTitle",
    "PlotTitle",
    "PlotTitleFont",
    "AxisTitleFont",
    "AxisLabelFont",
    "MouseCoordFont",
    "OnChange",
    "FFTNuimber",
    "SampleRate",
};

}  // namespace

T_IMPLEMENT_CLASS(LMyFFTDraw)
{
    for (const char *name : PropertyOrder)
        DescribeResponsePlotProperty(b, name);
}

LMyFFTDraw::LMyFFTDraw(TComponent *AOwner) : LResponsePlot(AOwner) {}

LMyFFTDraw::LMyFFTDraw(const LMyFFTDraw &other) : LResponsePlot(other.Owner(), CopyConstruction{})
{
    AssignPlot(other);
}

namespace {

// The lines by type; `twoLineTop` is the frequency's offset above the marker for the two-line
// types (the gain follows 13 pixels lower).
ParamLineSet Lines(int type, double gain, int twoLineTop)
{
    const bool above = gain <= 0;
    ParamLineSet set;
    const auto add = [&](ParamLineKind kind, int offsetAbove, int offsetBelow) {
        set.Lines[static_cast<std::size_t>(set.Count++)] = {kind, above ? offsetAbove : offsetBelow};
    };
    if (type == 0) {
        add(ParamLineKind::Q, -69, 20);
        add(ParamLineKind::Frequency, -56, 33);
        add(ParamLineKind::Gain, -43, 46);
    } else if (type <= 2) {
        add(ParamLineKind::Frequency, twoLineTop, 20);
        add(ParamLineKind::Gain, twoLineTop + 13, 33);
    } else {
        add(ParamLineKind::Frequency, -43, 20);
    }
    return set;
}

}  // namespace

ParamLineSet LMyFFTDraw::ParamTextLines(int type, double gain) const
{
    return Lines(type, gain, -46);
}

ParamLineSet LMyFFTDraw::SelectedParamTextLines(int type, double gain) const
{
    return Lines(type, gain, -56);
}

int LMyFFTDraw::MarkerParamType(double filterType) const
{
    return plotpixels::ToPixel(filterType) - 1;
}
