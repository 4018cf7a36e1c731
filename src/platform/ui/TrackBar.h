#pragma once
// TTrackBar: a slider whose Position moves between Min and Max. Every change of Position fires
// OnChange, whether the user moved the slider or code wrote a different value; writing the
// current value fires nothing.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/NativeControl.h"

class QSlider;

enum TTrackBarOrientation { trHorizontal, trVertical };
inline constexpr auto TrackBarOrientationNames = EnumNames<TTrackBarOrientation>("trHorizontal", "trVertical");
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
inline constexpr auto TickMarkNames = EnumNames<TTickMark>("tmBottomRight", "tmTopLeft", "tmBoth");
enum TTickStyle { tsNone, tsAuto, tsManual };
inline constexpr auto TickStyleNames = EnumNames<TTickStyle>("tsNone", "tsAuto", "tsManual");

class TTrackBar : public TNativeControl {
    T_DECLARE_CLASS(TTrackBar, TNativeControl)

public:
    explicit TTrackBar(TComponent *AOwner);

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
    QWidget *CreateNative(QWidget *parent) override;
    void Show() const;
    void ShowIn(QSlider *slider) const;
    void UserMoved(int value);

private:
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    bool FSyncing = false;
};
