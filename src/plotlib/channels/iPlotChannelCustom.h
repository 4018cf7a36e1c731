#pragma once
// TiPlotChannelCustom: the base of a plot's channels (the strip-chart and the XY channel), a plot
// object made by the channel manager through the plot's channel class (TiPlotChannelClass). For
// now a channel carries what the managers and the plot need: its title text, its colour (the
// channel manager picks a new channel's colour from its palette), the names of its axes, its
// legend entry's rectangle (where the keyboard opens its popup menu), and its points in a plain
// growing list (X, Y, null and empty flags) with the accessors the plot copies points through.
// Every change of the points repaints (DoChange). The axes fit their scales to a channel's
// extremes, and data cursors ask it for their values (UpdateDataCursor), which the channel kinds
// compute. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotDataCursor;

class TiPlotChannelCustom : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotChannelCustom, TiPlotManagerObject)
    using TiPlotManagerObject::TiPlotManagerObject;

    const QString &TitleText() const { return FTitleText; }
    void SetTitleText(const QString &Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const QString &XAxisName() const { return FXAxisName; }
    // A different name (case-sensitive) is stored.
    void SetXAxisName(const QString &Value);
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);
    // Where the legend last drew this channel's entry.
    TRect LegendRect() const { return FLegendRect; }
    void SetLegendRect(const TRect &Value) { FLegendRect = Value; }

    // ---- Points (logical indexes 0 ... Count - 1, the oldest first) ----
    int Count() const { return static_cast<int>(FPoints.size()); }
    // A smaller count keeps the first, oldest points; a larger one changes nothing.
    void SetCount(int Value);
    // A valid point; answers its index.
    virtual int AddXY(double X, double Y);
    // Each raises "Index out of Bounds" outside the points.
    double GetX(int Index) const;
    double GetY(int Index) const;
    bool GetNull(int Index) const;
    bool GetEmpty(int Index) const;
    void SetNull(int Index, bool Value);
    void SetEmpty(int Index, bool Value);
    // Deletes every point.
    virtual void Clear();
    // Removes the Size oldest points; Size equal to Count clears. Outside 0 ... Count raises
    // "Delete size out of Range" and changes nothing.
    void DeletePoints(int Size);

    // ---- Extremes the axes fit their scales to ----
    // The largest and the smallest X and Y of the points that are neither null nor empty; -1e300
    // for a largest and 1e300 for a smallest without any.
    virtual double GetZoomXMax();
    virtual double GetZoomXMin();
    virtual double GetZoomYMax();
    virtual double GetZoomYMin();
    // Extremes of the valid points added since the last Clear (deleting points keeps them).
    double RunningXMin() const { return FRunningXMin; }
    double RunningXMax() const { return FRunningXMax; }
    double RunningYMin() const { return FRunningYMin; }
    double RunningYMax() const { return FRunningYMax; }

    // ---- Data cursors ----
    // Computes the values and the hint text of a data cursor bound to this channel (through the
    // cursor's SetValues and CursorDisplayText); the channel kinds compute them, the base nothing.
    virtual void UpdateDataCursor(TiPlotDataCursor *Cursor);
    // The index of the point at or beyond X in the direction of growing X, or -1: strip-chart
    // channels, whose points run in X order, search for it; the base has no order to search.
    virtual int CalcIndex(double X);

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    // The centre of the legend entry.
    bool GetKeyPopupPoint(TPoint &Point) override;

    QString FTitleText;
    TColor FColor = clRed;
    QString FXAxisName;
    QString FYAxisName;
    TRect FLegendRect;

private:
    struct Point {
        double X = 0;
        double Y = 0;
        bool Null = false;
        bool Empty = false;
    };
    const Point &At(int Index) const;
    // Over the valid points: the largest of Value(point) when Largest, else the smallest.
    template <class V>
    double Extreme(V Value, bool Largest) const;

    std::vector<Point> FPoints;
    double FRunningXMin = 1e300;
    double FRunningXMax = -1e300;
    double FRunningYMin = 1e300;
    double FRunningYMax = -1e300;
};

// A class reference to a channel class: the class the channel manager makes new channels of.
struct TiPlotChannelClass {
    using TCreate = TiPlotChannelCustom *(*)(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
    const TClassInfo *ClassInfo = nullptr;
    TCreate Create = nullptr;

    explicit operator bool() const { return Create != nullptr; }
    bool operator==(const TiPlotChannelClass &Other) const { return ClassInfo == Other.ClassInfo; }

    template <class C>
    static TiPlotChannelClass Of()
    {
        static_assert(std::is_base_of_v<TiPlotChannelCustom, C>);
        return {&C::StaticClass(),
                [](TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                   TNotifyEvent AOnRename) -> TiPlotChannelCustom * {
                    return new C(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                                 std::move(AOnRename));
                }};
    }
};
