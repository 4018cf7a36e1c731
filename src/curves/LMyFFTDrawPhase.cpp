#include "curves/LMyFFTDrawPhase.h"

#include "curves/PlotPixels.h"
#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(LMyFFTDrawPhase)
{
    using C = LMyFFTDrawPhase;
    b.Bool("AutoRedraw", &C::AutoRedraw, &C::SetAutoRedraw).Default(true);
    b.Color("AxisColor", &C::AxisColor, &C::SetAxisColor).Default(0x008C00);
    b.Enum("AxisStyle", &C::AxisStyle, &C::SetAxisStyle, MyAxisStyleNames).Default(TMyAxisStyle::CenteredBox);
    b.Enum("XAxisFormat", &C::XAxisFormat, &C::SetXAxisFormat, MyAxisFormatNames).Default(TMyAxisFormat::Linear);
    b.Enum("YAxisFormat", &C::YAxisFormat, &C::SetYAxisFormat, MyAxisFormatNames).Default(TMyAxisFormat::Linear);
    b.Bool("ShowXLabel", &C::ShowXLabel, &C::SetShowXLabel).Default(true);
    b.Bool("ShowYLabel", &C::ShowYLabel, &C::SetShowYLabel).Default(true);
    b.Bool("ShowCoordinates", &C::ShowCoordinates, &C::SetShowCoordinates).Default(true);
    b.Bool("YAutoScale", &C::YAutoScale, &C::SetYAutoScale).Default(true);
    b.Bool("XAutoScale", &C::XAutoScale, &C::SetXAutoScale).Default(true);
    b.Bool("MouseControl", &C::MouseControl, &C::SetMouseControl).Default(true);
    b.Int("PointSize", &C::PointSize, &C::SetPointSize).Default(2);
    b.Float("YLabelScale", &C::YLabelScale, &C::SetYLabelScale).Default(1.0);
    b.Float("YMax", &C::YMax, &C::SetYMax).Default(18.0);
    b.Float("YMin", &C::YMin, &C::SetYMin).Default(-18.0);
    b.Float("XMax", &C::XMax, &C::SetXMax).Default(4130.0);
    b.Float("XMin", &C::XMin, &C::SetXMin).Default(1030.0);
    b.Float("MouseX", &C::MouseX, nullptr);
    b.Float("MouseY", &C::MouseY, nullptr);
    b.Int("XLabelPrecision", &C::XLabelPrecision, &C::SetXLabelPrecision).Default(4);
    b.Int("YLabelPrecision", &C::YLabelPrecision, &C::SetYLabelPrecision).Default(5);
    b.Int("XLabelDigits", &C::XLabelDigits, &C::SetXLabelDigits).Default(4);
    b.Int("YLabelDigits", &C::YLabelDigits, &C::SetYLabelDigits).Default(4);
    b.Enum("YLabelFormat", &C::YLabelFormat, &C::SetYLabelFormat, StringFloatFormatNames).Default(sffGeneral);
    b.Enum("XLabelFormat", &C::XLabelFormat, &C::SetXLabelFormat, StringFloatFormatNames).Default(sffGeneral);
    b.Bool("ShowVertGrid", &C::ShowVertGrid, &C::SetShowVertGrid).Default(true);
    b.Bool("ShowHorzGrid", &C::ShowHorzGrid, &C::SetShowHorzGrid).Default(true);
    b.Int("NumVertGrid", &C::NumVertGrid, &C::SetNumVertGrid).Default(10);
    b.Int("NumHorzGrid", &C::NumHorzGrid, &C::SetNumHorzGrid).Default(11);
    b.Bool("ShowVertTicks", &C::ShowVertTicks, &C::SetShowVertTicks).Default(true);
    b.Bool("ShowHorzTicks", &C::ShowHorzTicks, &C::SetShowHorzTicks).Default(true);
    b.Int("VertTickLength", &C::VertTickLength, &C::SetVertTickLength).Default(0);
    b.Int("HorzTickLength", &C::HorzTickLength, &C::SetHorzTickLength).Default(0);
    b.Color("GridColor", &C::GridColor, &C::SetGridColor).Default(0x004800);
    b.Bool("ShowXTitle", &C::ShowXTitle, &C::SetShowXTitle).Default(false);
    b.Bool("ShowYTitle", &C::ShowYTitle, &C::SetShowYTitle).Default(false);
    b.Bool("ShowPlotTitle", &C::ShowPlotTitle, &C::SetShowPlotTitle).Default(false);
    b.Str("XTitle", &C::XTitle, &C::SetXTitle).Default("Frequency ");
    b.Str("YTitle", &C::YTitle, &C::SetYTitle).Default("dB");
    b.Str("YLabel", &C::YLabel, &C::SetYLabel).Default("dB");
    b.Str("PlotTitle", &C::PlotTitle, &C::SetPlotTitle).Default("Frequency Response");
    b.Object("PlotTitleFont", &C::PlotTitleFont, &C::SetPlotTitleFont);
    b.Object("AxisTitleFont", &C::AxisTitleFont, &C::SetAxisTitleFont);
    b.Object("AxisLabelFont", &C::AxisLabelFont, &C::SetAxisLabelFont);
    b.Object("MouseCoordFont", &C::MouseCoordFont, &C::SetMouseCoordFont);
    b.Event("OnChange", &C::OnChange);
    b.Enum("FFTNuimber", &C::FFTNuimber, &C::SetFFTNuimber, FFTNumberNames).Default(n4096);
    b.Enum("SampleRate", &C::SampleRate, &C::SetSampleRate, SampleRateNames).Default(n48000);
}

LMyFFTDrawPhase::LMyFFTDrawPhase(TComponent *AOwner) : LResponsePlot(AOwner) {}

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
