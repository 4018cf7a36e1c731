#pragma once
// LMyFFTDraw: the magnitude-only twin of the response plot control LMyFFTDrawPhase, and the home
// of the types both controls share: the axis enumerations, the off-screen pages (TPaintPage) and
// the plot list (TPlotList of TPlotListMember, TMyPlotStyle). LMyFFTDrawPhase.h takes them from
// here. No window of the program places an LMyFFTDraw.
//
// Everything but the points below is LResponsePlot's (see ResponsePlot.h). The twin has no
// YLabelScale and no YLabel: a Y label shows the plain value followed by "dB". Its parameter
// texts, by the band type passed, above the marker at or below 0 dB and below it above 0 dB
// (offsets from the marker in pixels, at or below 0 dB / above 0 dB):
//   type 0                      Q -69/+20, frequency -56/+33, gain -43/+46
//   types 1, 2 and below 0      frequency -46/+20, gain -33/+33
//                               (the selected band's text of the overlay pass: -56/+20, -43/+33)
//   types above 2               frequency -43/+20
// A circle marker's text is drawn with its filter type - 1, whatever the filter type.

#include "curves/PaintPage.h"
#include "curves/PlotAxisTypes.h"
#include "curves/PlotList.h"
#include "curves/ResponsePlot.h"

class LMyFFTDraw : public LResponsePlot {
    T_DECLARE_CLASS(LMyFFTDraw, LResponsePlot)
    explicit LMyFFTDraw(TComponent *AOwner);
    // A copy owned by other's owner: the paint box's own size and colour, then AssignPlot(other).
    LMyFFTDraw(const LMyFFTDraw &other);

    // Copies from another control: see AssignPlotFrom, AssignPlotDataFrom, AppendPlotDataFrom and
    // AssignPlotPropertiesFrom in ResponsePlot.h.
    void AssignPlot(const LMyFFTDraw &other) { AssignPlotFrom(other); }
    void AssignPlotData(const LMyFFTDraw &other) { AssignPlotDataFrom(other); }
    void AppendPlotData(const LMyFFTDraw &other) { AppendPlotDataFrom(other); }
    void AssignPlotProperties(const LMyFFTDraw &other) { AssignPlotPropertiesFrom(other); }

protected:
    ParamLineSet ParamTextLines(int type, double gain) const override;
    ParamLineSet SelectedParamTextLines(int type, double gain) const override;
    int MarkerParamType(double filterType) const override;
};
