#pragma once
// TiPlotLegend: the list of a plot's channels, a layout object in a band of its own. One entry per
// channel listed in legends (VisibleInLegend), each with an optional line sample, an optional
// marker sample, the channel's name and optional columns (axis titles, last X and Y, running
// Y-Max, Y-Min and Y-Mean). It measures itself, wraps the entries into rows and columns, scrolls
// with two small buttons when not all fit, and lets an entry act as its channel for the mouse.
//
// Rules a caller must know:
//  - The layout runs at every GetRequiredWidth and Draw, from the plot's channels as they are;
//    nothing of it is streamed. ViewStartIndex survives (clamped; 0 whenever everything fits).
//  - Wrap counts below 1 act as 1, and an entry pitch of 0 pixels as 1.
//  - Margins, spacings and the name width are in units of the text "0" of Font.
// GUI thread.

#include "platform/ui/GraphicsFont.h"
#include "plotlib/plot/iPlotObjects.h"

#include <memory>
#include <vector>

class TiPlotChannelCustom;

// clang-format off
enum TiPlotLegendChannelNameColorStyle {
    iplcncsFont, iplcncsChannelColor, iplcncsXAxisFontColor, iplcncsYAxisFontColor
};
inline constexpr auto iPlotLegendChannelNameColorStyleNames = EnumNames<TiPlotLegendChannelNameColorStyle>(
    "iplcncsFont", "iplcncsChannelColor", "iplcncsXAxisFontColor", "iplcncsYAxisFontColor");
// clang-format on

// One listed channel, placed by the last layout.
struct TiPlotLegendItem {
    TiPlotChannelCustom *Channel = nullptr;
    int MaxHeight = 0;
    int ALeft = 0;
    int ATop = 0;
    int ARow = 0;
    int ACol = 0;
};

// A scroll button: a button face with a raised edge, sunken while pressed; the legend draws its
// arrow.
class TiPlotLegendButton : public TiPlotButton {
    T_DECLARE_CLASS(TiPlotLegendButton, TiPlotButton)
    using TiPlotButton::TiPlotButton;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
};

class TiPlotLegend : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotLegend, TiPlotLayoutObject)
    TiPlotLegend(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);
    ~TiPlotLegend() override;

    // ---- Published ----
    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { SetField(Value, FMarginLeft); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { SetField(Value, FMarginTop); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { SetField(Value, FMarginRight); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { SetField(Value, FMarginBottom); }
    TColor BackGroundColor() const { return FBackGroundColor; }
    void SetBackGroundColor(TColor Value) { SetField(Value, FBackGroundColor); }
    bool BackGroundTransparent() const { return FBackGroundTransparent; }
    void SetBackGroundTransparent(bool Value) { SetField(Value, FBackGroundTransparent); }
    TColor SelectedItemBackGroundColor() const { return FSelectedItemBackGroundColor; }
    void SetSelectedItemBackGroundColor(TColor Value) { SetField(Value, FSelectedItemBackGroundColor); }
    TFont *SelectedItemFont() const { return FSelectedItemFont.get(); }
    void SetSelectedItemFont(TFont *Value) { FSelectedItemFont->Assign(Value); }
    bool ShowColumnLine() const { return FShowColumnLine; }
    void SetShowColumnLine(bool Value) { SetField(Value, FShowColumnLine); }
    bool ShowColumnMarker() const { return FShowColumnMarker; }
    void SetShowColumnMarker(bool Value) { SetField(Value, FShowColumnMarker); }
    bool ShowColumnXAxisTitle() const { return FShowColumnXName; }
    void SetShowColumnXAxisTitle(bool Value) { SetField(Value, FShowColumnXName); }
    bool ShowColumnYAxisTitle() const { return FShowColumnYName; }
    void SetShowColumnYAxisTitle(bool Value) { SetField(Value, FShowColumnYName); }
    bool ShowColumnXValue() const { return FShowColumnXValue; }
    void SetShowColumnXValue(bool Value) { SetField(Value, FShowColumnXValue); }
    bool ShowColumnYValue() const { return FShowColumnYValue; }
    void SetShowColumnYValue(bool Value) { SetField(Value, FShowColumnYValue); }
    bool ShowColumnYMax() const { return FShowColumnYMax; }
    void SetShowColumnYMax(bool Value) { SetField(Value, FShowColumnYMax); }
    bool ShowColumnYMin() const { return FShowColumnYMin; }
    void SetShowColumnYMin(bool Value) { SetField(Value, FShowColumnYMin); }
    bool ShowColumnYMean() const { return FShowColumnYMean; }
    void SetShowColumnYMean(bool Value) { SetField(Value, FShowColumnYMean); }
    const QString &CaptionColumnTitle() const { return FCaptionColumnTitle; }
    void SetCaptionColumnTitle(const QString &Value) { SetField(Value, FCaptionColumnTitle); }
    const QString &CaptionColumnXAxisTitle() const { return FCaptionColumnXName; }
    void SetCaptionColumnXAxisTitle(const QString &Value) { SetField(Value, FCaptionColumnXName); }
    const QString &CaptionColumnYAxisTitle() const { return FCaptionColumnYName; }
    void SetCaptionColumnYAxisTitle(const QString &Value) { SetField(Value, FCaptionColumnYName); }
    const QString &CaptionColumnXValue() const { return FCaptionColumnXValue; }
    void SetCaptionColumnXValue(const QString &Value) { SetField(Value, FCaptionColumnXValue); }
    const QString &CaptionColumnYValue() const { return FCaptionColumnYValue; }
    void SetCaptionColumnYValue(const QString &Value) { SetField(Value, FCaptionColumnYValue); }
    const QString &CaptionColumnYMax() const { return FCaptionColumnYMax; }
    void SetCaptionColumnYMax(const QString &Value) { SetField(Value, FCaptionColumnYMax); }
    const QString &CaptionColumnYMin() const { return FCaptionColumnYMin; }
    void SetCaptionColumnYMin(const QString &Value) { SetField(Value, FCaptionColumnYMin); }
    const QString &CaptionColumnYMean() const { return FCaptionColumnYMean; }
    void SetCaptionColumnYMean(const QString &Value) { SetField(Value, FCaptionColumnYMean); }
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *Value) { FFont->Assign(Value); }
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double Value) { SetField(Value, FColumnSpacing); }
    // RowSpacing and WrapRowSpacingMin are one value.
    double RowSpacing() const { return FWrapRowSpacingMin; }
    void SetRowSpacing(double Value) { SetField(Value, FWrapRowSpacingMin); }
    int WrapColDesiredCount() const { return FWrapColDesiredCount; }
    // Values below 1 become 1.
    void SetWrapColDesiredCount(int Value) { SetField(std::max(Value, 1), FWrapColDesiredCount); }
    bool WrapColAutoCountEnabled() const { return FWrapColAutoCountEnabled; }
    void SetWrapColAutoCountEnabled(bool Value) { SetField(Value, FWrapColAutoCountEnabled); }
    int WrapColAutoCountMax() const { return FWrapColAutoCountMax; }
    void SetWrapColAutoCountMax(int Value) { SetField(Value, FWrapColAutoCountMax); }
    double WrapColSpacingMin() const { return FWrapColSpacingMin; }
    void SetWrapColSpacingMin(double Value) { SetField(Value, FWrapColSpacingMin); }
    bool WrapColSpacingAuto() const { return FWrapColSpacingAuto; }
    void SetWrapColSpacingAuto(bool Value) { SetField(Value, FWrapColSpacingAuto); }
    int WrapRowDesiredCount() const { return FWrapRowDesiredCount; }
    void SetWrapRowDesiredCount(int Value) { SetField(std::max(Value, 1), FWrapRowDesiredCount); }
    bool WrapRowAutoCountEnabled() const { return FWrapRowAutoCountEnabled; }
    void SetWrapRowAutoCountEnabled(bool Value) { SetField(Value, FWrapRowAutoCountEnabled); }
    int WrapRowAutoCountMax() const { return FWrapRowAutoCountMax; }
    void SetWrapRowAutoCountMax(int Value) { SetField(Value, FWrapRowAutoCountMax); }
    double WrapRowSpacingMin() const { return FWrapRowSpacingMin; }
    void SetWrapRowSpacingMin(double Value) { SetField(Value, FWrapRowSpacingMin); }
    bool WrapRowSpacingAuto() const { return FWrapRowSpacingAuto; }
    void SetWrapRowSpacingAuto(bool Value) { SetField(Value, FWrapRowSpacingAuto); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool Value) { SetField(Value, FColumnTitlesVisible); }
    TFont *ColumnTitlesFont() const { return FColumnTitlesFont.get(); }
    void SetColumnTitlesFont(TFont *Value) { FColumnTitlesFont->Assign(Value); }
    double ChannelNameMaxWidth() const { return FChannelNameMaxWidth; }
    void SetChannelNameMaxWidth(double Value) { SetField(Value, FChannelNameMaxWidth); }
    TiPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return FChannelNameColorStyle; }
    void SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle Value) { SetField(Value, FChannelNameColorStyle); }
    int LineColumnWidth() const { return FLineColumnWidth; }
    void SetLineColumnWidth(int Value) { SetField(Value, FLineColumnWidth); }
    int LineColumnHeight() const { return FLineColumnHeight; }
    void SetLineColumnHeight(int Value) { SetField(Value, FLineColumnHeight); }

    // ---- State ----
    int ViewStartIndex() const { return FItemViewStartIndex; }
    void SetViewStartIndex(int Value) { SetField(Value, FItemViewStartIndex); }
    int ViewStopIndex() const { return FItemViewStopIndex; }
    // Set by the plot before each paint: a visible data cursor over all channels wants their
    // values listed.
    bool CursorAllChannels() const { return FCursorAllChannels; }
    void SetCursorAllChannels(bool Value) { FCursorAllChannels = Value; }
    const std::vector<TiPlotLegendItem> &Items() const { return FItemList; }
    int ActualWrapColCount() const { return FActualWrapColCount; }
    int ActualWrapRowCount() const { return FActualWrapRowCount; }
    int RequiredWidthPixels() const { return FRequiredWidth; }
    int RequiredHeightPixels() const { return FRequiredHeight; }
    TiPlotLegendButton *UpButton() const { return FUpButton.get(); }
    TiPlotLegendButton *DownButton() const { return FDownButton.get(); }

    // Runs the layout; the thickness across the band.
    int GetRequiredWidth(TCanvas *Canvas) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    // A scroll button, or the channel whose entry is under the point, else the base result.
    TiPlotObject *GetMouseOverObject(int X, int Y) override;
    // The base cursor, which the plot's OnGetMouseCursorLegend may change.
    TCursor GetMouseCursor(TPoint Point) override;
    // A click (or double click) on the legend for the plot's events.
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    void NotifySelected(TObject *AObject) override;
    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    void Layout(TCanvas *Canvas);

    std::unique_ptr<TiPlotLegendButton> FUpButton;
    std::unique_ptr<TiPlotLegendButton> FDownButton;
    int FRequiredWidth = 0;
    int FRequiredHeight = 0;
    TRect FInnerRect;
    std::vector<TiPlotLegendItem> FItemList;
    std::vector<int> FColumnList;
    int FItemWidth = 0;
    int FActualWrapColCount = 0;
    int FActualWrapRowCount = 0;
    int FColumnSpacingPixels = 0;
    int FRowSpacingPixels = 0;
    int FWrapSpacingPixels = 0;
    int FColumnStartLine = 0;
    int FColumnStartMarker = 0;
    int FColumnStartChannel = 0;
    int FColumnStartXName = 0;
    int FColumnStartYName = 0;
    int FColumnStartXValue = 0;
    int FColumnStartYValue = 0;
    int FColumnStartYMax = 0;
    int FColumnStartYMin = 0;
    int FColumnStartYMean = 0;
    int FMaxWidthLine = 0;
    int FMaxWidthMarker = 0;
    int FMaxWidthChannelLabel = 0;
    int FMaxWidthXName = 0;
    int FMaxWidthYName = 0;
    int FMaxWidthXValue = 0;
    int FMaxWidthYValue = 0;
    int FMaxWidthYMax = 0;
    int FMaxWidthYMin = 0;
    int FMaxWidthYMean = 0;
    int FItemViewStartIndex = 0;
    int FItemViewStopIndex = 0;
    int FItemHeight = 0;
    int FMaxItemHeight = 0;
    int FColumnTitlesHeightPixels = 0;
    int FColumnTitlesMarginPixels = 0;
    TRect FColumnTitlesRect;
    TRect FItemsRect;
    double FMarginLeft = 1.0;
    double FMarginRight = 1.0;
    double FMarginBottom = 1.0;
    double FMarginTop = 1.0;
    bool FBackGroundTransparent = true;
    TColor FBackGroundColor = 0x808080;
    double FColumnSpacing = 0.5;
    std::unique_ptr<TFont> FFont;
    TColor FSelectedItemBackGroundColor = 0x00FFFF;
    std::unique_ptr<TFont> FSelectedItemFont;
    bool FShowColumnLine = true;
    bool FShowColumnMarker = false;
    bool FShowColumnXName = false;
    bool FShowColumnYName = false;
    bool FShowColumnXValue = false;
    bool FShowColumnYValue = false;
    bool FColumnTitlesVisible = false;
    std::unique_ptr<TFont> FColumnTitlesFont;
    double FChannelNameMaxWidth = 0.0;
    TiPlotLegendChannelNameColorStyle FChannelNameColorStyle = iplcncsFont;
    bool FShowColumnYMax = false;
    bool FShowColumnYMin = false;
    bool FShowColumnYMean = false;
    bool FCursorAllChannels = false;
    bool FShowColumnXValue2 = false;
    bool FShowColumnYValue2 = false;
    QString FCaptionColumnYMax = QStringLiteral("Y-Max");
    QString FCaptionColumnYValue = QStringLiteral("Y");
    QString FCaptionColumnTitle = QStringLiteral("Title");
    QString FCaptionColumnYMean = QStringLiteral("Y-Mean");
    QString FCaptionColumnXName = QStringLiteral("X-Axis");
    QString FCaptionColumnYName = QStringLiteral("Y-Axis");
    QString FCaptionColumnXValue = QStringLiteral("X");
    QString FCaptionColumnYMin = QStringLiteral("Y-Min");
    int FWrapColDesiredCount = 1;
    int FWrapRowDesiredCount = 5;
    bool FWrapColAutoCountEnabled = false;
    bool FWrapRowAutoCountEnabled = true;
    int FWrapRowAutoCountMax = 100;
    int FWrapColAutoCountMax = 100;
    double FWrapColSpacingMin = 2.0;
    double FWrapRowSpacingMin = 0.25;
    bool FWrapRowSpacingAuto = false;
    bool FWrapColSpacingAuto = true;
    int FLineColumnWidth = 13;
    int FLineColumnHeight = 3;

private:
    void FontChanged(TObject *Sender);
    void UpClick(TObject *Sender);
    void DownClick(TObject *Sender);
    void ButtonInvalidate(TObject *Sender);
    QString ChannelText(const TiPlotChannelCustom *Channel) const;
    void DrawLineSample(TCanvas *Canvas, const TiPlotChannelCustom *Channel, int X, int Y);
};
