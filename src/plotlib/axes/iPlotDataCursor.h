#pragma once
// TiPlotDataCursor: a measuring tool over a data view: one or two pointer lines the user drags
// across the plot, and a hint box with the channel values under them (a value, or the difference
// between two pointers). The cursor places and draws pointers and hint; its channel (or every
// channel, for "<All>") computes the values and the hint text from the pointer positions
// (UpdateDataCursor of the channel, which calls SetValues and SetCursorDisplayText).
//
// Rules a caller must know:
//  - Pointer and hint positions are percentages of the data view (0 ... 100): a vertical pointer
//    stands at an X position, a horizontal one at a Y position. The plot hands the cursor its data
//    view 0 before each paint; without a data view the cursor neither draws nor reacts.
//  - Style decides which pointers show and how they and the hint lie (the style table in
//    ApplyStyle); swapped axes (XYAxesReversed) turn every orientation.
//  - Values are computed anew at every paint and during drags; the plot's OnDataCursorChange
//    fires only when the value, its status or X changes.
//  - On strip charts the pointers may snap to data points (SnapToDataPoint), also when stepped with
//    the keys; on other plots the keys move the pointers by pixels whether or not snapping is on.
// GUI thread throughout.

#include "platform/ui/GraphicsFont.h"
#include "plotlib/base/iTypes.h"
#include "plotlib/plot/iPlotObjects.h"

#include <array>
#include <memory>

class TiPlotChannelCustom;
class TiPlotDataView;

// clang-format off
enum TiPlotDataCursorStyle {
    ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX
};
inline constexpr auto iPlotDataCursorStyleNames = EnumNames<TiPlotDataCursorStyle>(
    "ipcsValueXY", "ipcsValueX", "ipcsValueY", "ipcsDeltaX", "ipcsDeltaY", "ipcsInverseDeltaX");
// clang-format on

class TiPlotDataCursor : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotDataCursor, TiPlotManagerObject)
    // Invisible, enabled, style ipcsValueXY.
    TiPlotDataCursor(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);
    ~TiPlotDataCursor() override;

    // ---- Published ----
    // "<All>": every channel of the plot.
    const QString &ChannelName() const { return FChannelName; }
    void SetChannelName(const QString &Value);
    bool ChannelAllowAll() const { return FChannelAllowAll; }
    void SetChannelAllowAll(bool Value) { SetField(Value, FChannelAllowAll); }
    bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
    void SetChannelShowAllInLegend(bool Value) { SetField(Value, FChannelShowAllInLegend); }
    TiPlotDataCursorStyle Style() const { return FStyle; }
    // Applies the style table.
    void SetStyle(TiPlotDataCursorStyle Value);
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *Value) { FFont->Assign(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { SetField(Value, FColor); }
    bool UseChannelColor() const { return FUseChannelColor; }
    void SetUseChannelColor(bool Value) { SetField(Value, FUseChannelColor); }
    bool HintShow() const { return FHintShow; }
    void SetHintShow(bool Value) { SetField(Value, FHintShow); }
    bool HintHideOnRelease() const { return FHintHideOnRelease; }
    void SetHintHideOnRelease(bool Value) { SetField(Value, FHintHideOnRelease); }
    TiOrientationSide HintOrientationSide() const { return FHintOrientationSide; }
    void SetHintOrientationSide(TiOrientationSide Value) { SetField(Value, FHintOrientationSide); }
    double HintPosition() const { return FHintPosition; }
    void SetHintPosition(double Value) { SetField(Value, FHintPosition); }
    double Pointer1Position() const { return FPointer1Position; }
    // Clamped to 0 ... 100.
    void SetPointer1Position(double Value);
    double Pointer2Position() const { return FPointer2Position; }
    void SetPointer2Position(double Value);
    int PointerPenWidth() const { return FPointerPenWidth; }
    void SetPointerPenWidth(int Value) { SetField(Value, FPointerPenWidth); }
    bool MenuUserCanChangeOptions() const { return FMenuUserCanChangeOptions; }
    void SetMenuUserCanChangeOptions(bool Value) { FMenuUserCanChangeOptions = Value; }
    bool SnapToDataPoint() const { return FSnapToDataPoint; }
    void SetSnapToDataPoint(bool Value) { FSnapToDataPoint = Value; }
    bool UseCachedInterpolatedData() const { return FUseCachedInterpolatedData; }
    void SetUseCachedInterpolatedData(bool Value) { FUseCachedInterpolatedData = Value; }
    // The style items of the popup menu: shown or not, and their captions, by style.
    bool MenuItemVisible(TiPlotDataCursorStyle Item) const { return FMenuItemVisible[Item]; }
    void SetMenuItemVisible(TiPlotDataCursorStyle Item, bool Value) { FMenuItemVisible[Item] = Value; }
    const QString &MenuItemCaption(TiPlotDataCursorStyle Item) const { return FMenuItemCaption[Item]; }
    void SetMenuItemCaption(TiPlotDataCursorStyle Item, const QString &Value) { FMenuItemCaption[Item] = Value; }

    // ---- Values reported by the channels ----
    double ValueX() const { return FValueX; }
    double ValueY() const { return FValueY; }
    TiPlotDataPointStatus Status() const { return FStatus; }
    // A change of any of the three raises the plot's OnDataCursorChange.
    void SetValues(TiPlotDataPointStatus AStatus, double Y, double X);
    const QString &CursorDisplayText() const { return FCursorDisplayText; }
    void SetCursorDisplayText(const QString &Value) { FCursorDisplayText = Value; }
    // Raises the plot's OnBeforeDataCursorUpdate, then has the cursor's channel (every channel
    // for "<All>") compute the values.
    void UpdateValues();
    // The channel named ChannelName, or nullptr; kept once found.
    TiPlotChannelCustom *GetChannel();

    // ---- Layout of pointers and hint (the last paint) ----
    bool Pointer1Show() const { return FPointer1Show; }
    bool Pointer2Show() const { return FPointer2Show; }
    TiOrientation Pointer1Orientation() const { return FPointer1Orientation; }
    TiOrientation Pointer2Orientation() const { return FPointer2Orientation; }
    TiOrientation HintOrientation() const { return FHintOrientation; }
    TRect Pointer1Rect() const { return FPointer1Rect; }
    TRect Pointer2Rect() const { return FPointer2Rect; }
    TRect HintRect() const { return FHintRect; }
    bool HintShowing() const { return FHintShowing; }
    int SnapToIndexChannel() const { return FSnapToIndexChannel; }
    int SnapToIndexData() const { return FSnapToIndexData; }

    TiPlotDataView *DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView *Value) { FDataView = Value; }

    // Snaps pointer 1, then pointer 2 (strip charts with SnapToDataPoint only).
    void DoSnapToDataPoint();
    // The Y value of a strip channel at XValue, interpolated by the channel through a pointer
    // placed there; ipdpsNull and 0 for any other channel or one without an X axis. The cursor and
    // the axis are left as they were.
    TiPlotDataPointStatus GetInterpolatedYValue(const QString &AChannelName, double XValue, double &YValue);

    // ---- Plot object ----
    // Becoming visible computes the values.
    void SetVisible(bool Value) override;
    // Applies the style table.
    void SetXYAxesReversed(bool Value) override;
    void NotifyRemoved(TObject *AObject) override;
    void NotifyRenamed(TObject *AObject) override;
    // A channel the user selects while the cursor is selected becomes its channel.
    void NotifySelected(TObject *AObject) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    bool iHitTest(const TiPlotMouseData &MouseData) override;
    void DoMouseLeft(const TiPlotMouseData &MouseData) override;
    void DoMouseMove(const TiPlotMouseData &MouseData) override;
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    // Selects the cursor's channel as well.
    void DoGotFocus() override;
    TCursor GetMouseCursor(TPoint Point) override;
    void iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu) override;
    // "Channel", "Style", "Options" (and "Snap to Data-Point" on strip charts), then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

private:
    void ApplyStyle();
    bool IsDeltaStyle() const;
    bool IsAllChannels() const;
    bool OnStripChart() const;
    void InvalidateNow();
    // The hint box with its text, placed beside pointer 1 (or 2) and kept inside the data view.
    void DrawHint(TCanvas *Canvas, TColor PenColor);
    // Keys without snapping (and on plots that do not snap).
    void MovePointersByPixels(WORD Key, TShiftState Shift);
    void MoveBySnapping(WORD Key, TShiftState Shift);
    // Snaps pointer 1 or 2 to the nearest data point.
    void SnapPointer(int Which);
    // Moves pointer 1 or 2 to point Index + Offset of channel ChannelIndex, scrolling the X axis
    // when the point lies beyond it.
    void MovePointerToPoint(int Which, int ChannelIndex, int Index, int Offset);
    double &PointerPosition(int Which) { return Which == 1 ? FPointer1Position : FPointer2Position; }
    void ClampPositions();

    int FMouseDownXPixels = 0;
    int FMouseDownYPixels = 0;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    bool FMouseDownHint = false;
    bool FMouseDownPointer1 = false;
    bool FMouseDownPointer2 = false;
    TRect FPointer1Rect;
    TRect FPointer2Rect;
    bool FPointer1Show = true;
    bool FPointer2Show = true;
    TiOrientation FPointer1Orientation = ioVertical;
    TiOrientation FPointer2Orientation = ioHorizontal;
    TRect FHintRect;
    TiOrientation FHintOrientation = ioVertical;
    bool FHintShowing = false;
    TiPlotChannelCustom *FChannel = nullptr;
    TiPlotDataView *FDataView = nullptr;
    QString FChannelName;
    TiPlotDataCursorStyle FStyle = ipcsValueXY;
    bool FUseChannelColor = true;
    double FPointer1Position = 50;
    double FPointer2Position = 60;
    int FPointerPenWidth = 1;
    bool FChannelShowAllInLegend = true;
    bool FChannelAllowAll = true;
    TColor FColor = 0x00FFFF;
    std::unique_ptr<TFont> FFont;
    bool FHintShow = true;
    bool FHintHideOnRelease = false;
    TiOrientationSide FHintOrientationSide = iosBottomRight;
    int FHintHeight = 0;
    int FHintWidth = 0;
    double FHintPosition = 50;
    QString FCursorDisplayText;
    double FValueX = 0;
    double FValueY = 0;
    TiPlotDataPointStatus FStatus = ipdpsValid;
    bool FSnapToDataPoint = false;
    bool FUseCachedInterpolatedData = false;
    int FSnapToIndexChannel = 0;
    int FSnapToIndexData = 0;
    // By style, in the order of TiPlotDataCursorStyle.
    std::array<QString, 6> FMenuItemCaption = {QStringLiteral("Value X-Y"), QStringLiteral("Value X"),
                                               QStringLiteral("Value Y"),   QStringLiteral("Period"),
                                               QStringLiteral("Peak-Peak"), QStringLiteral("Frequency")};
    std::array<bool, 6> FMenuItemVisible = {true, true, true, true, true, true};
    bool FMenuUserCanChangeOptions = true;
};
