#include "curves/LMyFFTDrawPhase.h"

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
    "ShowCoordinates",
    "YAutoScale",
    "XAutoScale",
    "MouseControl",
    "PointSize",
    "YLabelScale",
    "YMax",
    "YMin",
    "XMax",
    "XMin",
    "MouseX",
    "MouseY",
    "XLabelPrecision",
    "YLabelPrecision",
    "XLabelDigits",
    "YLabelDigits",
    "YLabelFormat",
    "XLabelFormat",
    "ShowVertGrid",
    "ShowHorzGrid",
    "NumVertGrid",
    "NumHorzGrid",
    "ShowVertTicks",
    "ShowHorzTicks",
    "VertTickLength",
    "HorzTickLength",
    "GridColor",
    "ShowXTitle",
    "ShowYTitle",
    "ShowPlotTitle",
    "XTitle",
    "YTitle",
    "YLabel",
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

T_IMPLEMENT_CLASS(LMyFFTDrawPhase)
{
    using C = LMyFFTDrawPhase;
    for (const char *name : PropertyOrder) {
        if (DescribeResponsePlotProperty(b, name))
            continue;
        if (std::string_view(name) == "YLabelScale")
            b.Float(name, &C::YLabelScale, &C::SetYLabelScale).Default(1.0);
        else if (std::string_view(name) == "YLabel")
            b.Str(name, &C::YLabel, &C::SetYLabel).Default("dB");
    }
}

LMyFFTDrawPhase::LMyFFTDrawPhase(TComponent *AOwner) : LResponsePlot(AOwner) {}

LMyFFTDrawPhase::LMyFFTDrawPhase(const LMyFFTDrawPhase &other)
    : LResponsePlot(other.Owner(), CopyConstruction{}), FYLabel()
{
    AssignPlot(other);
}

void LMyFFTDrawPhase::CopyOwnProperties(const LResponsePlot &other)
{
    if (const auto *phase = dynamic_cast<const LMyFFTDrawPhase *>(&other)) {
        FYLabelScale = phase->FYLabelScale;
        FYLabel = phase->FYLabel;
    }
}

void LMyFFTDrawPhase::SetYLabelScale(double value)
{
    FYLabelScale = value;
    if (AutoRedraw())
        DrawPlotsAndLabels();
}

void LMyFFTDrawPhase::SetYLabel(const QString &value)
{
    FYLabel = value;
    ResizePaintPage();
    if (AutoRedraw())
        DrawPlotsAndLabels();
}

namespace {

// Offsets of the text lines from the marker: above it at or below 0 dB, below it above 0 dB.
ParamLineSet Lines(bool q, bool frequency, bool gain, double value)
{
    const bool above = value <= 0;
    ParamLineSet set;
    const auto add = [&](ParamLineKind kind, int offset) {
        set.Lines[static_cast<std::size_t>(set.Count++)] = {kind, offset};
    };
    if (q && frequency && gain) {
        add(ParamLineKind::Q, above ? -69 : 20);
        add(ParamLineKind::Frequency, above ? -56 : 33);
        add(ParamLineKind::Gain, above ? -43 : 46);
    }
    else if (q && frequency) {
        add(ParamLineKind::Q, above ? -69 : 20);
        add(ParamLineKind::Frequency, above ? -56 : 33);
    }
    else if (frequency) {
        add(ParamLineKind::Frequency, above ? -43 : 20);
    }
    return set;
}

bool FrequencyOnly(int type)
{
    return type == 5 || type == 10 || type == 11;
}

}  // namespace

ParamLineSet LMyFFTDrawPhase::ParamTextLines(int type, double gain) const
{
    if (type <= 2)
        return Lines(true, true, true, gain);
    if (type == 3 || type == 4 || type == 6)
        return Lines(true, true, false, gain);
    if (FrequencyOnly(type))
        return Lines(false, true, false, gain);
    return {};
}

ParamLineSet LMyFFTDrawPhase::SelectedParamTextLines(int type, double gain) const
{
    // Types the program never selects (7, 8, 9, above 11) show Q and frequency.
    if (type <= 2)
        return Lines(true, true, true, gain);
    if (FrequencyOnly(type))
        return Lines(false, true, false, gain);
    return Lines(true, true, false, gain);
}

int LMyFFTDrawPhase::MarkerParamType(double filterType) const
{
    if (filterType == 7)
        return 5;
    if (filterType == 17)
        return 6;
    return plotpixels::ToPixel(filterType) - 1;
}
