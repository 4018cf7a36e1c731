#pragma once
// LMyFFTDrawPhase: the response plot control of the channel pages and the Gain page. One curve
// model (Plot) feeds it ResponseCurve arrays on the point axis (point i = 48000^(i/4096) Hz); the
// pages switch its Y axis between magnitude in dB and phase (curves in units of 10 degrees,
// labels scaled by YLabelScale and followed by YLabel, "°"), read its axis range and curve-area
// size for the curve-handle drag and bring its curve page to the screen with UpdateCurvePage.
//
// Everything but the phase labelling and the parameter-text rules is LResponsePlot's (see there
// for the paint pipeline). Parameter texts, by the band type passed (PeqType 0 to 6, or 10/11 for
// the crossover markers), above the marker at or below 0 dB and below it above 0 dB:
//   Peak, shelves (type <= 2)                 Q, frequency, gain
//   low/high pass, second-order all-pass      Q, frequency
//   first-order all-pass, crossover markers   frequency
// A circle marker's text is drawn with filter type 7 as 5, 17 as 6 and others as type - 1.

#include "curves/LMyFFTDraw.h"
#include "curves/ResponsePlot.h"

class LMyFFTDrawPhase : public LResponsePlot {
    T_DECLARE_CLASS(LMyFFTDrawPhase, LResponsePlot)
    explicit LMyFFTDrawPhase(TComponent *AOwner);
    // A copy owned by other's owner: the paint box's own size and colour, then AssignPlot(other).
    LMyFFTDrawPhase(const LMyFFTDrawPhase &other);

    // Copies from another control: see AssignPlotFrom, AssignPlotDataFrom, AppendPlotDataFrom and
    // AssignPlotPropertiesFrom in ResponsePlot.h; the property copy includes YLabelScale and YLabel.
    void AssignPlot(const LMyFFTDrawPhase &other) { AssignPlotFrom(other); }
    void AssignPlotData(const LMyFFTDrawPhase &other) { AssignPlotDataFrom(other); }
    void AppendPlotData(const LMyFFTDrawPhase &other) { AppendPlotDataFrom(other); }
    void AssignPlotProperties(const LMyFFTDrawPhase &other) { AssignPlotPropertiesFrom(other); }

    double YLabelScale() const { return FYLabelScale; }
    // A Y label shows value x YLabelScale.
    virtual void SetYLabelScale(double value);
    const QString &YLabel() const { return FYLabel; }
    // The suffix of every Y label; lays the pages out again.
    virtual void SetYLabel(const QString &value);

protected:
    double YLabelValueScale() const override { return FYLabelScale; }
    QString YLabelSuffix() const override { return FYLabel; }
    ParamLineSet ParamTextLines(int type, double gain) const override;
    ParamLineSet SelectedParamTextLines(int type, double gain) const override;
    int MarkerParamType(double filterType) const override;
    void CopyOwnProperties(const LResponsePlot &other) override;

private:
    double FYLabelScale = 1.0;
    QString FYLabel = QStringLiteral("dB");
};
