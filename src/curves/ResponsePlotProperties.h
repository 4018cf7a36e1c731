#pragma once
// The published properties the response plot controls share, described by name. Each control
// publishes them in a stream order of its own: its class description walks its own order table and
// describes every shared name through DescribeResponsePlotProperty, the few of its own itself.

#include <string_view>

#include "curves/ResponsePlot.h"
#include "platform/runtime/ClassBuilder.h"

// Describes the shared property `name` (a string literal) on `b`, with its construction value as
// default; false, and nothing described, for a name that is not shared.
template <class C>
bool DescribeResponsePlotProperty(TClassBuilder<C> &b, const char *name)
{
    using Describe = void (*)(TClassBuilder<C> &, const char *);
    struct Entry {
        std::string_view Name;
        Describe Add;
    };
    static constexpr Entry entries[] = {
        {"AutoRedraw", [](auto &b, auto n) { b.Bool(n, &C::AutoRedraw, &C::SetAutoRedraw).Default(true); }},
        {"AxisColor", [](auto &b, auto n) { b.Color(n, &C::AxisColor, &C::SetAxisColor).Default(0x008C00); }},
        {"AxisStyle",
         [](auto &b, auto n) {
             b.Enum(n, &C::AxisStyle, &C::SetAxisStyle, MyAxisStyleNames).Default(TMyAxisStyle::CenteredBox);
         }},
        {"XAxisFormat",
         [](auto &b, auto n) {
             b.Enum(n, &C::XAxisFormat, &C::SetXAxisFormat, MyAxisFormatNames).Default(TMyAxisFormat::Linear);
         }},
        {"YAxisFormat",
         [](auto &b, auto n) {
             b.Enum(n, &C::YAxisFormat, &C::SetYAxisFormat, MyAxisFormatNames).Default(TMyAxisFormat::Linear);
         }},
        {"ShowXLabel", [](auto &b, auto n) { b.Bool(n, &C::ShowXLabel, &C::SetShowXLabel).Default(true); }},
        {"ShowYLabel", [](auto &b, auto n) { b.Bool(n, &C::ShowYLabel, &C::SetShowYLabel).Default(true); }},
        {"ShowCoordinates",
         [](auto &b, auto n) { b.Bool(n, &C::ShowCoordinates, &C::SetShowCoordinates).Default(true); }},
        {"YAutoScale", [](auto &b, auto n) { b.Bool(n, &C::YAutoScale, &C::SetYAutoScale).Default(true); }},
        {"XAutoScale", [](auto &b, auto n) { b.Bool(n, &C::XAutoScale, &C::SetXAutoScale).Default(true); }},
        {"MouseControl", [](auto &b, auto n) { b.Bool(n, &C::MouseControl, &C::SetMouseControl).Default(true); }},
        {"PointSize", [](auto &b, auto n) { b.Int(n, &C::PointSize, &C::SetPointSize).Default(2); }},
        {"YMax", [](auto &b, auto n) { b.Float(n, &C::YMax, &C::SetYMax).Default(18.0); }},
        {"YMin", [](auto &b, auto n) { b.Float(n, &C::YMin, &C::SetYMin).Default(-18.0); }},
        {"XMax", [](auto &b, auto n) { b.Float(n, &C::XMax, &C::SetXMax).Default(4130.0); }},
        {"XMin", [](auto &b, auto n) { b.Float(n, &C::XMin, &C::SetXMin).Default(1030.0); }},
        {"MouseX", [](auto &b, auto n) { b.Float(n, &C::MouseX, nullptr); }},
        {"MouseY", [](auto &b, auto n) { b.Float(n, &C::MouseY, nullptr); }},
        {"XLabelPrecision", [](auto &b, auto n) { b.Int(n, &C::XLabelPrecision, &C::SetXLabelPrecision).Default(4); }},
        {"YLabelPrecision", [](auto &b, auto n) { b.Int(n, &C::YLabelPrecision, &C::SetYLabelPrecision).Default(5); }},
        {"XLabelDigits", [](auto &b, auto n) { b.Int(n, &C::XLabelDigits, &C::SetXLabelDigits).Default(4); }},
        {"YLabelDigits", [](auto &b, auto n) { b.Int(n, &C::YLabelDigits, &C::SetYLabelDigits).Default(4); }},
        {"YLabelFormat",
         [](auto &b, auto n) {
             b.Enum(n, &C::YLabelFormat, &C::SetYLabelFormat, StringFloatFormatNames).Default(sffGeneral);
         }},
        {"XLabelFormat",
         [](auto &b, auto n) {
             b.Enum(n, &C::XLabelFormat, &C::SetXLabelFormat, StringFloatFormatNames).Default(sffGeneral);
         }},
        {"ShowVertGrid", [](auto &b, auto n) { b.Bool(n, &C::ShowVertGrid, &C::SetShowVertGrid).Default(true); }},
        {"ShowHorzGrid", [](auto &b, auto n) { b.Bool(n, &C::ShowHorzGrid, &C::SetShowHorzGrid).Default(true); }},
        {"NumVertGrid", [](auto &b, auto n) { b.Int(n, &C::NumVertGrid, &C::SetNumVertGrid).Default(10); }},
        {"NumHorzGrid", [](auto &b, auto n) { b.Int(n, &C::NumHorzGrid, &C::SetNumHorzGrid).Default(11); }},
        {"ShowVertTicks", [](auto &b, auto n) { b.Bool(n, &C::ShowVertTicks, &C::SetShowVertTicks).Default(true); }},
        {"ShowHorzTicks", [](auto &b, auto n) { b.Bool(n, &C::ShowHorzTicks, &C::SetShowHorzTicks).Default(true); }},
        {"VertTickLength", [](auto &b, auto n) { b.Int(n, &C::VertTickLength, &C::SetVertTickLength).Default(0); }},
        {"HorzTickLength", [](auto &b, auto n) { b.Int(n, &C::HorzTickLength, &C::SetHorzTickLength).Default(0); }},
        {"GridColor", [](auto &b, auto n) { b.Color(n, &C::GridColor, &C::SetGridColor).Default(0x004800); }},
        {"ShowXTitle", [](auto &b, auto n) { b.Bool(n, &C::ShowXTitle, &C::SetShowXTitle).Default(false); }},
        {"ShowYTitle", [](auto &b, auto n) { b.Bool(n, &C::ShowYTitle, &C::SetShowYTitle).Default(false); }},
        {"ShowPlotTitle", [](auto &b, auto n) { b.Bool(n, &C::ShowPlotTitle, &C::SetShowPlotTitle).Default(false); }},
        {"XTitle", [](auto &b, auto n) { b.Str(n, &C::XTitle, &C::SetXTitle).Default("Frequency "); }},
        {"YTitle", [](auto &b, auto n) { b.Str(n, &C::YTitle, &C::SetYTitle).Default("dB"); }},
        {"PlotTitle", [](auto &b, auto n) { b.Str(n, &C::PlotTitle, &C::SetPlotTitle).Default("Frequency Response"); }},
        {"PlotTitleFont", [](auto &b, auto n) { b.Object(n, &C::PlotTitleFont, &C::SetPlotTitleFont); }},
        {"AxisTitleFont", [](auto &b, auto n) { b.Object(n, &C::AxisTitleFont, &C::SetAxisTitleFont); }},
        {"AxisLabelFont", [](auto &b, auto n) { b.Object(n, &C::AxisLabelFont, &C::SetAxisLabelFont); }},
        {"MouseCoordFont", [](auto &b, auto n) { b.Object(n, &C::MouseCoordFont, &C::SetMouseCoordFont); }},
        {"OnChange", [](auto &b, auto n) { b.Event(n, &C::OnChange); }},
        {"FFTNuimber",
         [](auto &b, auto n) { b.Enum(n, &C::FFTNuimber, &C::SetFFTNuimber, FFTNumberNames).Default(n4096); }},
        {"SampleRate",
         [](auto &b, auto n) { b.Enum(n, &C::SampleRate, &C::SetSampleRate, SampleRateNames).Default(n48000); }},
    };
    for (const Entry &e : entries)
        if (e.Name == name) {
            e.Add(b, name);
            return true;
        }
    return false;
}
