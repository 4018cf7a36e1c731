#include "plotlib/axes/iPlotAxis.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/ui/ControlsWinControl.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/plot/iPlotHost.h"

#include <algorithm>
#include <cmath>

T_IMPLEMENT_CLASS(TiPlotAxis)
{
    b.Float("Min", &TiPlotAxis::Min, &TiPlotAxis::SetMin);
    b.Float("Span", &TiPlotAxis::Span, &TiPlotAxis::SetSpan);
    b.Float("DesiredStart", &TiPlotAxis::DesiredStart, &TiPlotAxis::SetDesiredStart);
    b.Float("DesiredIncrement", &TiPlotAxis::DesiredIncrement, &TiPlotAxis::SetDesiredIncrement);
    b.Bool("ReverseScale", &TiPlotAxis::ReverseScale, &TiPlotAxis::SetReverseScale).Default(false);
    b.Int("InnerMargin", &TiPlotAxis::InnerMargin, &TiPlotAxis::SetInnerMargin).Default(5);
    b.Int("OuterMargin", &TiPlotAxis::OuterMargin, &TiPlotAxis::SetOuterMargin).Default(5);
    b.Str("Title", &TiPlotAxis::Title, &TiPlotAxis::SetTitle);
    b.Float("TitleMargin", &TiPlotAxis::TitleMargin, &TiPlotAxis::SetTitleMargin);
    b.Object("TitleFont", &TiPlotAxis::TitleFont, &TiPlotAxis::SetTitleFont);
    b.Bool("TitleShow", &TiPlotAxis::TitleShow, &TiPlotAxis::SetTitleShow).Default(false);
    b.Bool("TitleRotated", &TiPlotAxis::TitleRotated, &TiPlotAxis::SetTitleRotated).Default(false);
    b.Int("MajorLength", &TiPlotAxis::MajorLength, &TiPlotAxis::SetMajorLength).Default(7);
    b.Int("MinorLength", &TiPlotAxis::MinorLength, &TiPlotAxis::SetMinorLength).Default(3);
    b.Int("MinorCount", &TiPlotAxis::MinorCount, &TiPlotAxis::SetMinorCount).Default(1);
    b.Bool("LabelsVisible", &TiPlotAxis::LabelsVisible, &TiPlotAxis::SetLabelsVisible).Default(true);
    b.Float("LabelsMargin", &TiPlotAxis::LabelsMargin, &TiPlotAxis::SetLabelsMargin);
    b.Object("LabelsFont", &TiPlotAxis::LabelsFont, &TiPlotAxis::SetLabelsFont);
    b.Float("LabelSeparation", &TiPlotAxis::LabelSeparation, &TiPlotAxis::SetLabelSeparation);
    b.Enum("LabelsRotation", &TiPlotAxis::LabelsRotation, &TiPlotAxis::SetLabelsRotation, iRotationAngleNames);
    b.Int("LabelsPrecision", &TiPlotAxis::LabelsPrecision, &TiPlotAxis::SetLabelsPrecision).Default(3);
    b.Enum("LabelsPrecisionStyle", &TiPlotAxis::LabelsPrecisionStyle, &TiPlotAxis::SetLabelsPrecisionStyle,
           iPrecisionStyleNames)
        .Default(ipsSignificantDigits);
    b.Enum("LabelsFormatStyle", &TiPlotAxis::LabelsFormatStyle, &TiPlotAxis::SetLabelsFormatStyle, iPlotTextFormatNames)
        .Default(iptfValue);
    b.Str("DateTimeFormat", &TiPlotAxis::DateTimeFormat, &TiPlotAxis::SetDateTimeFormat);
    b.Float("LabelsMinLength", &TiPlotAxis::LabelsMinLength, &TiPlotAxis::SetLabelsMinLength);
    b.Bool("LabelsMinLengthAutoAdjust", &TiPlotAxis::LabelsMinLengthAutoAdjust,
           &TiPlotAxis::SetLabelsMinLengthAutoAdjust)
        .Default(false);
    b.Bool("ScaleLineShow", &TiPlotAxis::ScaleLineShow, &TiPlotAxis::SetScaleLineShow);
    b.Bool("ScaleLinesShow", &TiPlotAxis::ScaleLinesShow, &TiPlotAxis::SetScaleLinesShow).Default(true);
    b.Color("ScaleLinesColor", &TiPlotAxis::ScaleLinesColor, &TiPlotAxis::SetScaleLinesColor).Default(16777215);
    b.Float("StackingEndsMargin", &TiPlotAxis::StackingEndsMargin, &TiPlotAxis::SetStackingEndsMargin);
    b.Enum("ScaleType", &TiPlotAxis::ScaleType, &TiPlotAxis::SetScaleType, iPlotScaleTypeNames).Default(ipstLinear);
    b.Bool("TrackingEnabled", &TiPlotAxis::TrackingEnabled, &TiPlotAxis::SetTrackingEnabled).Default(true);
    b.Enum("TrackingStyle", &TiPlotAxis::TrackingStyle, &TiPlotAxis::SetTrackingStyle, iPlotTrackingStyleNames);
    b.Enum("TrackingIncrementStyle", &TiPlotAxis::TrackingIncrementStyle, &TiPlotAxis::SetTrackingIncrementStyle,
           iPlotTrackingIncrementStyleNames);
    // Stored against ipafsMin although new axes start elsewhere: an axis set to ipafsMin is not
    // written and reads back with its kind's style, as stored forms expect.
    b.Enum("TrackingAlignFirstStyle", &TiPlotAxis::TrackingAlignFirstStyle, &TiPlotAxis::SetTrackingAlignFirstStyle,
           iPlotAlignFirstStyleNames)
        .Default(ipafsMin);
    b.Float("TrackingScrollCompressMax", &TiPlotAxis::TrackingScrollCompressMax,
            &TiPlotAxis::SetTrackingScrollCompressMax);
    b.Float("TrackingSpanMinimum", &TiPlotAxis::TrackingSpanMinimum, &TiPlotAxis::SetTrackingSpanMinimum);
    b.Float("TrackingMaxMargin", &TiPlotAxis::TrackingMaxMargin, &TiPlotAxis::SetTrackingMaxMargin);
    b.Float("TrackingMinMargin", &TiPlotAxis::TrackingMinMargin, &TiPlotAxis::SetTrackingMinMargin);
    b.Bool("CursorUseDefaultFormat", &TiPlotAxis::CursorUseDefaultFormat, &TiPlotAxis::SetCursorUseDefaultFormat)
        .Default(true);
    b.Enum("CursorFormatStyle", &TiPlotAxis::CursorFormatStyle, &TiPlotAxis::SetCursorFormatStyle, iPlotTextFormatNames)
        .Default(iptfValue);
    b.Str("CursorDateTimeFormat", &TiPlotAxis::CursorDateTimeFormat, &TiPlotAxis::SetCursorDateTimeFormat);
    b.Enum("CursorPrecisionStyle", &TiPlotAxis::CursorPrecisionStyle, &TiPlotAxis::SetCursorPrecisionStyle,
           iPrecisionStyleNames)
        .Default(ipsSignificantDigits);
    b.Int("CursorPrecision", &TiPlotAxis::CursorPrecision, &TiPlotAxis::SetCursorPrecision);
    b.Float("CursorMinLength", &TiPlotAxis::CursorMinLength, &TiPlotAxis::SetCursorMinLength);
    b.Bool("CursorMinLengthAutoAdjust", &TiPlotAxis::CursorMinLengthAutoAdjust,
           &TiPlotAxis::SetCursorMinLengthAutoAdjust)
        .Default(false);
    b.Bool("LegendUseDefaultFormat", &TiPlotAxis::LegendUseDefaultFormat, &TiPlotAxis::SetLegendUseDefaultFormat)
        .Default(true);
    b.Enum("LegendFormatStyle", &TiPlotAxis::LegendFormatStyle, &TiPlotAxis::SetLegendFormatStyle, iPlotTextFormatNames)
        .Default(iptfValue);
    b.Str("LegendDateTimeFormat", &TiPlotAxis::LegendDateTimeFormat, &TiPlotAxis::SetLegendDateTimeFormat);
    b.Enum("LegendPrecisionStyle", &TiPlotAxis::LegendPrecisionStyle, &TiPlotAxis::SetLegendPrecisionStyle,
           iPrecisionStyleNames)
        .Default(ipsSignificantDigits);
    b.Int("LegendPrecision", &TiPlotAxis::LegendPrecision, &TiPlotAxis::SetLegendPrecision);
    b.Float("LegendMinLength", &TiPlotAxis::LegendMinLength, &TiPlotAxis::SetLegendMinLength);
    b.Bool("LegendMinLengthAutoAdjust", &TiPlotAxis::LegendMinLengthAutoAdjust,
           &TiPlotAxis::SetLegendMinLengthAutoAdjust)
        .Default(false);
    b.Float("CursorScaler", &TiPlotAxis::CursorScaler, &TiPlotAxis::SetCursorScaler);
    b.Bool("ScrollMinMaxEnabled", &TiPlotAxis::ScrollMinMaxEnabled, &TiPlotAxis::SetScrollMinMaxEnabled);
    b.Float("ScrollMax", &TiPlotAxis::ScrollMax, &TiPlotAxis::SetScrollMax);
    b.Float("ScrollMin", &TiPlotAxis::ScrollMin, &TiPlotAxis::SetScrollMin);
    b.Bool("RestoreValuesOnResume", &TiPlotAxis::RestoreValuesOnResume, &TiPlotAxis::SetRestoreValuesOnResume);
    b.Bool("MasterUIInput", &TiPlotAxis::MasterUIInput, &TiPlotAxis::SetMasterUIInput);
    b.Enum("CartesianStyle", &TiPlotAxis::CartesianStyle, &TiPlotAxis::SetCartesianStyle, iPlotCartesianStyleNames);
    b.Str("CartesianChildRefAxisName", &TiPlotAxis::CartesianChildRefAxisName,
          &TiPlotAxis::SetCartesianChildRefAxisName);
    b.Float("CartesianChildRefValue", &TiPlotAxis::CartesianChildRefValue, &TiPlotAxis::SetCartesianChildRefValue);
    b.Str("AlignRefAxisName", &TiPlotAxis::AlignRefAxisName, &TiPlotAxis::SetAlignRefAxisName);
    b.Bool("GridLinesVisible", &TiPlotAxis::GridLinesVisible, &TiPlotAxis::SetGridLinesVisible);
    b.Bool("ForceStacking", &TiPlotAxis::ForceStacking, &TiPlotAxis::SetForceStacking);
}

T_IMPLEMENT_CLASS(TiPlotXAxis) {}

T_IMPLEMENT_CLASS(TiPlotYAxis) {}

// ---- Life ---------------------------------------------------------------------------------------

TiPlotAxis::TiPlotAxis(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FLabelsFont(std::make_unique<TFont>()), FTitleFont(std::make_unique<TFont>())
{
    FLabelsFont->SetColor(0xFFFFFF);
    FTitleFont->SetColor(0xFFFFFF);
    FTitleFont->SetName(QStringLiteral("Arial"));
    FTitleFont->SetSize(10);
    FTitleFont->SetStyle(TFontStyles{fsBold});
    FLabelsFont->OnChange = TNotifyEvent(this, &TiPlotAxis::FontChanged);
    FTitleFont->OnChange = TNotifyEvent(this, &TiPlotAxis::FontChanged);
    // Tracking starts on. Turning it on through the setter would restore the resume values, which
    // hold nothing yet (a label reserve of 0 among them).
    FTrackingEnabled = true;
}

TiPlotAxis::~TiPlotAxis() = default;

namespace {

// The strip-chart plot is a class of its own sources; an owner of that class (or one derived
// from it) gets the strip chart's defaults.
bool OwnedByStripChart(const TWinControl *Owner)
{
    return iIsKindOf(Owner, QStringLiteral("TiPlot"));
}

}  // namespace

TiPlotXAxis::TiPlotXAxis(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    FIsXAxis = true;
    SetTrackingStyle(OwnedByStripChart(Owner()) ? iptsScrollSmooth : iptsScaleMinMax);
    SetTrackingAlignFirstStyle(ipafsAuto);
}

TiPlotYAxis::TiPlotYAxis(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    SetTrackingStyle(iptsScaleMinMax);
    SetTrackingAlignFirstStyle(ipafsNone);
}

// ---- Scale settings -----------------------------------------------------------------------------

void TiPlotAxis::SetMin(double Value)
{
    if (std::isnan(Value))
        return;
    Value = std::clamp(Value, -1e300, 1e300);
    if (FMin == Value)
        return;
    const double old = FMin;
    FMin = Value;
    DoChange();
    if (FBlockMinSpanEvents)
        return;
    if (TiPlotHost *host = Host()) {
        host->DoAxisMinChange(this, old, FMin);
        host->DoAxisMinSpanChange(this, old, FSpan, FMin, FSpan);
    }
}

void TiPlotAxis::SetSpan(double Value)
{
    if (std::isnan(Value))
        return;
    Value = std::clamp(Value, 1e-300, 1e300);
    if (FSpan == Value)
        return;
    const double old = FSpan;
    FSpan = Value;
    DoChange();
    if (FBlockMinSpanEvents)
        return;
    if (TiPlotHost *host = Host()) {
        host->DoAxisSpanChange(this, old, FSpan);
        host->DoAxisMinSpanChange(this, FMin, old, FMin, FSpan);
    }
}

void TiPlotAxis::SetMinSpan(double NewMin, double NewSpan)
{
    if (FScaleType == ipstLog10) {
        if (NewMin <= 0)
            NewMin = 1;
        if (NewSpan <= 0)
            NewSpan = 1;
    }
    if (NewMin == FMin && NewSpan == FSpan)
        return;
    const double oldMin = FMin;
    const double oldSpan = FSpan;
    // A caller that blocks the events keeps them blocked.
    const bool blocked = FBlockMinSpanEvents;
    {
        FBlockMinSpanEvents = true;
        const TiScopeExit unblock([this, blocked] { FBlockMinSpanEvents = blocked; });
        SetMin(NewMin);
        SetSpan(NewSpan);
    }
    TiPlotHost *host = Host();
    if (!host || blocked)
        return;
    if (FMin != oldMin)
        host->DoAxisMinChange(this, oldMin, FMin);
    if (FSpan != oldSpan)
        host->DoAxisSpanChange(this, oldSpan, FSpan);
    host->DoAxisMinSpanChange(this, oldMin, oldSpan, FMin, FSpan);
}

void TiPlotAxis::SetScaleType(TiPlotScaleType Value)
{
    if (FScaleType == Value)
        return;
    FScaleType = Value;
    if (FScaleType == ipstLog10 && FMin <= 0)
        FMin = 1;
    DoChange();
}

void TiPlotAxis::SetDesiredIncrement(double Value)
{
    if (std::isnan(Value))
        return;
    SetField(std::clamp(Value, 0.0, 1e300), FDesiredIncrement);
}

void TiPlotAxis::SetCartesianChildRefAxisName(const QString &Value)
{
    FCartesianRefAxis = nullptr;
    SetField(Value, FCartesianChildRefAxisName);
}

void TiPlotAxis::SetAlignRefAxisName(const QString &Value)
{
    FAlignRefAxis = nullptr;
    SetField(Value, FAlignRefAxisName);
}

// ---- Plot object --------------------------------------------------------------------------------

void TiPlotAxis::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    // Older forms stored the span under these names; they are read, never written.
    for (const char *name : {"Span_2", "Span"})
        Filer->DefineProperty(
            QString::fromLatin1(name), [this](TReader &Reader) { SetSpan(Reader.ReadFloat()); }, nullptr, false);
    // The ordinary writer leaves floating-point zeros out, which would bring these back at their
    // non-zero defaults; a zero is written here instead.
    Filer->DefineProperty(
        QStringLiteral("LabelSeparation"), [this](TReader &Reader) { SetLabelSeparation(Reader.ReadFloat()); },
        [this](TWriter &Writer) { Writer.WriteFloat(FLabelSeparation); }, FLabelSeparation == 0);
    Filer->DefineProperty(
        QStringLiteral("TitleMargin"), [this](TReader &Reader) { SetTitleMargin(Reader.ReadFloat()); },
        [this](TWriter &Writer) { Writer.WriteFloat(FTitleMargin); }, FTitleMargin == 0);
}

void TiPlotAxis::NotifyRemoved(TObject *AObject)
{
    if (FCartesianRefAxis && AObject == static_cast<TObject *>(FCartesianRefAxis))
        FCartesianRefAxis = nullptr;
    if (FAlignRefAxis && AObject == static_cast<TObject *>(FAlignRefAxis))
        FAlignRefAxis = nullptr;
}

void TiPlotAxis::NotifyRenamed(TObject *AObject)
{
    if (FCartesianRefAxis && AObject == static_cast<TObject *>(FCartesianRefAxis))
        FCartesianChildRefAxisName = FCartesianRefAxis->Name();
}

bool TiPlotAxis::iHitTest(const TiPlotMouseData &MouseData)
{
    return MouseData.X >= FFocusRect.Left && MouseData.X < FFocusRect.Right && MouseData.Y >= FFocusRect.Top &&
           MouseData.Y < FFocusRect.Bottom;
}

TRect iAxesSpanRect(const TiPlotAxis &XAxis, const TiPlotAxis &YAxis, bool Reversed)
{
    TRect span;
    iOrientedRect(Reversed, XAxis.MinPixels(), YAxis.MinPixels(), XAxis.MaxPixels(), YAxis.MaxPixels(), span);
    span.Right += 1;
    span.Bottom += 1;
    return span;
}
