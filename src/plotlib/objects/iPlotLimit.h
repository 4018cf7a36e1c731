#pragma once
// TiPlotLimit: limit lines or bands drawn over the data view against one X and one Y axis, named
// by XAxisName and YAxisName (a new unnamed limit takes the plot's first axes). For now it carries
// what the managers need and the style and fill by which the plot orders its painting. GUI thread.

#include "platform/ui/GraphicsBrush.h"
#include "plotlib/plot/iPlotObjects.h"

// clang-format off
// A line or a band at values of the X axis (the X styles) or of the Y axis; a poly band's two
// boundaries vary point by point.
enum TiPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };
inline constexpr auto iPlotLimitStyleNames = EnumNames<TiPlotLimitStyle>(
    "iplsLineX", "iplsLineY", "iplsBandX", "iplsBandY", "iplsPolyBandX", "iplsPolyBandY");
// clang-format on

class TiPlotLimit : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotLimit, TiPlotManagerObject)
    using TiPlotManagerObject::TiPlotManagerObject;

    const QString &XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString &Value);
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);
    TiPlotLimitStyle Style() const { return FStyle; }
    void SetStyle(TiPlotLimitStyle Value) { SetField(Value, FStyle); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle Value) { SetField(Value, FFillStyle); }
    // A filled area (a poly band, or a band whose fill is not clear) is painted below the data
    // view's grid; lines and clear bands above it.
    bool PaintsBelowGrid() const;

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    QString FYAxisName;
    QString FXAxisName;
    TiPlotLimitStyle FStyle = iplsLineY;
    TBrushStyle FFillStyle = bsSolid;
};
