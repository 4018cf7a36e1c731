#include "plotlib/objects/iPlotLegend.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/channels/iPlotChannelCustom.h"
#include "plotlib/plot/iPlotComponent.h"

#include <algorithm>
#include <cmath>

T_IMPLEMENT_CLASS(TiPlotLegendButton) {}

T_IMPLEMENT_CLASS(TiPlotLegend)
{
    using L = TiPlotLegend;
    b.Float("MarginLeft", &L::MarginLeft, &L::SetMarginLeft);
    b.Float("MarginTop", &L::MarginTop, &L::SetMarginTop);
    b.Float("MarginRight", &L::MarginRight, &L::SetMarginRight);
    b.Float("MarginBottom", &L::MarginBottom, &L::SetMarginBottom);
    b.Color("BackGroundColor", &L::BackGroundColor, &L::SetBackGroundColor).Default(8421504);
    b.Bool("BackGroundTransparent", &L::BackGroundTransparent, &L::SetBackGroundTransparent).Default(true);
    b.Color("SelectedItemBackGroundColor", &L::SelectedItemBackGroundColor, &L::SetSelectedItemBackGroundColor)
        .Default(65535);
    b.Object("SelectedItemFont", &L::SelectedItemFont, &L::SetSelectedItemFont);
    b.Bool("ShowColumnLine", &L::ShowColumnLine, &L::SetShowColumnLine).Default(true);
    b.Bool("ShowColumnMarker", &L::ShowColumnMarker, &L::SetShowColumnMarker).Default(false);
    b.Bool("ShowColumnXAxisTitle", &L::ShowColumnXAxisTitle, &L::SetShowColumnXAxisTitle).Default(false);
    b.Bool("ShowColumnYAxisTitle", &L::ShowColumnYAxisTitle, &L::SetShowColumnYAxisTitle).Default(false);
    b.Bool("ShowColumnXValue", &L::ShowColumnXValue, &L::SetShowColumnXValue).Default(false);
    b.Bool("ShowColumnYValue", &L::ShowColumnYValue, &L::SetShowColumnYValue).Default(false);
    b.Bool("ShowColumnYMax", &L::ShowColumnYMax, &L::SetShowColumnYMax).Default(false);
    b.Bool("ShowColumnYMin", &L::ShowColumnYMin, &L::SetShowColumnYMin).Default(false);
    b.Bool("ShowColumnYMean", &L::ShowColumnYMean, &L::SetShowColumnYMean).Default(false);
    b.Str("CaptionColumnTitle", &L::CaptionColumnTitle, &L::SetCaptionColumnTitle);
    b.Str("CaptionColumnXAxisTitle", &L::CaptionColumnXAxisTitle, &L::SetCaptionColumnXAxisTitle);
    b.Str("CaptionColumnYAxisTitle", &L::CaptionColumnYAxisTitle, &L::SetCaptionColumnYAxisTitle);
    b.Str("CaptionColumnXValue", &L::CaptionColumnXValue, &L::SetCaptionColumnXValue);
    b.Str("CaptionColumnYValue", &L::CaptionColumnYValue, &L::SetCaptionColumnYValue);
    b.Str("CaptionColumnYMax", &L::CaptionColumnYMax, &L::SetCaptionColumnYMax);
    b.Str("CaptionColumnYMin", &L::CaptionColumnYMin, &L::SetCaptionColumnYMin);
    b.Str("CaptionColumnYMean", &L::CaptionColumnYMean, &L::SetCaptionColumnYMean);
    b.Object("Font", &L::Font, &L::SetFont);
    b.Float("ColumnSpacing", &L::ColumnSpacing, &L::SetColumnSpacing);
    b.Float("RowSpacing", &L::RowSpacing, &L::SetRowSpacing);
    b.Int("WrapColDesiredCount", &L::WrapColDesiredCount, &L::SetWrapColDesiredCount);
    b.Bool("WrapColAutoCountEnabled", &L::WrapColAutoCountEnabled, &L::SetWrapColAutoCountEnabled);
    b.Int("WrapColAutoCountMax", &L::WrapColAutoCountMax, &L::SetWrapColAutoCountMax);
    b.Float("WrapColSpacingMin", &L::WrapColSpacingMin, &L::SetWrapColSpacingMin);
    b.Bool("WrapColSpacingAuto", &L::WrapColSpacingAuto, &L::SetWrapColSpacingAuto);
    b.Int("WrapRowDesiredCount", &L::WrapRowDesiredCount, &L::SetWrapRowDesiredCount);
    b.Bool("WrapRowAutoCountEnabled", &L::WrapRowAutoCountEnabled, &L::SetWrapRowAutoCountEnabled);
    b.Int("WrapRowAutoCountMax", &L::WrapRowAutoCountMax, &L::SetWrapRowAutoCountMax);
    b.Float("WrapRowSpacingMin", &L::WrapRowSpacingMin, &L::SetWrapRowSpacingMin);
    b.Bool("WrapRowSpacingAuto", &L::WrapRowSpacingAuto, &L::SetWrapRowSpacingAuto);
    b.Bool("ColumnTitlesVisible", &L::ColumnTitlesVisible, &L::SetColumnTitlesVisible).Default(false);
    b.Object("ColumnTitlesFont", &L::ColumnTitlesFont, &L::SetColumnTitlesFont);
    b.Float("ChannelNameMaxWidth", &L::ChannelNameMaxWidth, &L::SetChannelNameMaxWidth);
    b.Enum("ChannelNameColorStyle", &L::ChannelNameColorStyle, &L::SetChannelNameColorStyle,
           iPlotLegendChannelNameColorStyleNames)
        .Default(iplcncsFont);
    b.Int("LineColumnWidth", &L::LineColumnWidth, &L::SetLineColumnWidth).Default(13);
    // Always stored: a height of 13 must not reload as the initial 3.
    b.Int("LineColumnHeight", &L::LineColumnHeight, &L::SetLineColumnHeight);
}

namespace {

int Round(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

int CeilDiv(int A, int B)
{
    return (A + B - 1) / B;
}

// The pixel runs (start, end exclusive) of a 13-pixel line sample of each trace style.
const std::vector<std::pair<int, int>> &SampleRuns(TiPlotLineStyle Style)
{
    static const std::vector<std::pair<int, int>> runs[] = {
        {{0, 13}}, {{0, 5}, {8, 13}}, {{0, 2}, {4, 6}, {8, 10}}, {{0, 5}, {7, 9}}, {{0, 5}, {7, 9}, {11, 13}}};
    return runs[Style];
}

}  // namespace

void TiPlotLegendButton::Draw(TCanvas *Canvas, TColor)
{
    if (FVisible)
        DrawScrollFace(Canvas);
}

TiPlotLegend::TiPlotLegend(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FUpButton(std::make_unique<TiPlotLegendButton>(AOwner)),
      FDownButton(std::make_unique<TiPlotLegendButton>(AOwner)), FFont(std::make_unique<TFont>()),
      FSelectedItemFont(std::make_unique<TFont>()), FColumnTitlesFont(std::make_unique<TFont>())
{
    FHorizontal = false;
    FFont->SetColor(0xFFFFFF);
    FSelectedItemFont->SetColor(0);
    FColumnTitlesFont->SetColor(0xFFFF00);
    FColumnTitlesFont->SetStyle(TFontStyles{fsBold});
    for (TFont *font : {FFont.get(), FSelectedItemFont.get(), FColumnTitlesFont.get()})
        font->OnChange = TNotifyEvent(this, &TiPlotLegend::FontChanged);
    FUpButton->SetTimerEnabled(true);
    FDownButton->SetTimerEnabled(true);
    FUpButton->OnClick = TNotifyEvent(this, &TiPlotLegend::UpClick);
    FDownButton->OnClick = TNotifyEvent(this, &TiPlotLegend::DownClick);
    FUpButton->OnInvalidate = FDownButton->OnInvalidate = TNotifyEvent(this, &TiPlotLegend::ButtonInvalidate);
    FUpButton->SetVisible(false);
    FDownButton->SetVisible(false);
}

TiPlotLegend::~TiPlotLegend()
{
    for (TFont *font : {FFont.get(), FSelectedItemFont.get(), FColumnTitlesFont.get()})
        font->OnChange = nullptr;
}

void TiPlotLegend::FontChanged(TObject *)
{
    DoChange();
}

void TiPlotLegend::UpClick(TObject *)
{
    if (FItemViewStartIndex > 0)
        SetViewStartIndex(FItemViewStartIndex - 1);
}

void TiPlotLegend::DownClick(TObject *)
{
    if (FItemViewStartIndex < static_cast<int>(FItemList.size()) - 1)
        SetViewStartIndex(FItemViewStartIndex + 1);
}

void TiPlotLegend::ButtonInvalidate(TObject *)
{
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

// ---- Layout -------------------------------------------------------------------------------------

QString TiPlotLegend::ChannelText(const TiPlotChannelCustom *Channel) const
{
    return Channel->TitleText().trimmed().isEmpty() ? Channel->Name() : Channel->TitleText();
}

namespace {

enum Column { ColXName, ColYName, ColXValue, ColYValue, ColYMax, ColYMin, ColYMean, ColCount };

QString AxisTitle(const TiPlotObject *Legend, const TiPlotAxis *Axis)
{
    if (!Axis)
        return Legend->TranslateText(QStringLiteral("None"));
    return Axis->Title().trimmed().isEmpty() ? Axis->Name() : Axis->Title();
}

// The text of a cell of a channel's entry.
QString CellText(const TiPlotLegend *Legend, TiPlotChannelCustom *Channel, int Col)
{
    TiPlotXAxis *x = Channel->XAxis();
    TiPlotYAxis *y = Channel->YAxis();
    if (Col == ColXName)
        return AxisTitle(Legend, x);
    if (Col == ColYName)
        return AxisTitle(Legend, y);
    if (Legend->CursorAllChannels() && Col == ColXValue)
        return Channel->DataCursorXText();
    if (Legend->CursorAllChannels() && Col == ColYValue)
        return Channel->DataCursorYText();
    if (Channel->Count() == 0)
        return Legend->TranslateText(QStringLiteral("Empty"));
    TiPlotAxis *axis = Col == ColXValue ? static_cast<TiPlotAxis *>(x) : y;
    if (!axis)
        return Legend->TranslateText(QStringLiteral("N/A"));
    switch (Col) {
    case ColXValue: return axis->GetLegendText(Channel->XLast());
    case ColYValue: return axis->GetLegendText(Channel->YLast());
    case ColYMax: return axis->GetLegendText(Channel->RunningYMax());
    case ColYMin: return axis->GetLegendText(Channel->RunningYMin());
    default: return axis->GetLegendText(Channel->RunningYMean());
    }
}

}  // namespace

int TiPlotLegend::GetRequiredWidth(TCanvas *Canvas)
{
    Layout(Canvas);
    return FHorizontal ? FRequiredHeight : FRequiredWidth;
}

void TiPlotLegend::Layout(TCanvas *Canvas)
{
    Canvas->Font()->Assign(FFont.get());
    FColumnList.clear();
    const int w0 = Canvas->TextWidth(QStringLiteral("0"));
    const int h0 = Canvas->TextHeight(QStringLiteral("0"));
    const int marginTop = Round(h0 * FMarginTop);
    const int marginBottom = Round(h0 * FMarginBottom);
    const int marginLeft = Round(w0 * FMarginLeft);
    const int marginRight = Round(w0 * FMarginRight);
    const TRect draw = DrawRect();
    FInnerRect =
        TRect(draw.Left + marginLeft, draw.Top + marginTop, draw.Right - marginRight, draw.Bottom - marginBottom);
    FColumnSpacingPixels = Round(w0 * FColumnSpacing);
    FRowSpacingPixels = Round(h0 * FWrapRowSpacingMin);
    FWrapSpacingPixels = Round(h0 * FWrapColSpacingMin);
    FItemHeight = h0;
    FMaxItemHeight = 0;
    FColumnTitlesHeightPixels = FColumnTitlesMarginPixels = 0;
    FMaxWidthLine = FMaxWidthMarker = FMaxWidthChannelLabel = FMaxWidthXName = FMaxWidthYName = 0;
    FMaxWidthXValue = FMaxWidthYValue = FMaxWidthYMax = FMaxWidthYMin = FMaxWidthYMean = 0;
    FShowColumnXValue2 = FShowColumnXValue || FCursorAllChannels;
    FShowColumnYValue2 = FShowColumnYValue || FCursorAllChannels;

    FItemList.clear();
    if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
        for (int i = 0; i < plot->ChannelCount(); ++i)
            if (TiPlotChannelCustom *channel = plot->GetChannel(i); channel->VisibleInLegend())
                FItemList.push_back(TiPlotLegendItem{channel});
    const int n = static_cast<int>(FItemList.size());
    if (n == 0)
        return;
    FItemViewStartIndex = std::clamp(FItemViewStartIndex, 0, n - 1);

    // Names.
    if (FChannelNameMaxWidth != 0) {
        FMaxWidthChannelLabel = Round(w0 * FChannelNameMaxWidth);
        for (TiPlotLegendItem &item : FItemList) {
            const QString name = ChannelText(item.Channel);
            Canvas->Font()->Assign(FFont.get());
            item.MaxHeight = iTextHeightWrapped(Canvas, name, FMaxWidthChannelLabel);
            Canvas->Font()->Assign(FSelectedItemFont.get());
            item.MaxHeight = std::max(item.MaxHeight, iTextHeightWrapped(Canvas, name, FMaxWidthChannelLabel));
        }
    } else {
        for (TiPlotLegendItem &item : FItemList) {
            item.MaxHeight = h0;
            const QString name = ChannelText(item.Channel);
            for (TFont *font : {FFont.get(), FSelectedItemFont.get()}) {
                Canvas->Font()->Assign(font);
                FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, Canvas->TextWidth(name));
            }
        }
    }
    for (const TiPlotLegendItem &item : FItemList)
        FMaxItemHeight = std::max(FMaxItemHeight, item.MaxHeight);

    const bool shown[ColCount] = {FShowColumnXName, FShowColumnYName, FShowColumnXValue2, FShowColumnYValue2,
                                  FShowColumnYMax,  FShowColumnYMin,  FShowColumnYMean};
    int *widths[ColCount] = {&FMaxWidthXName, &FMaxWidthYName, &FMaxWidthXValue, &FMaxWidthYValue,
                             &FMaxWidthYMax,  &FMaxWidthYMin,  &FMaxWidthYMean};
    // Column titles.
    if (FColumnTitlesVisible) {
        Canvas->Font()->Assign(FColumnTitlesFont.get());
        FColumnTitlesHeightPixels = Canvas->TextHeight(QStringLiteral("0"));
        FColumnTitlesMarginPixels = FColumnTitlesHeightPixels / 4;
        FMaxWidthChannelLabel = std::max(FMaxWidthChannelLabel, Canvas->TextWidth(TranslateText(FCaptionColumnTitle)));
        const QString *captions[ColCount] = {&FCaptionColumnXName,  &FCaptionColumnYName, &FCaptionColumnXValue,
                                             &FCaptionColumnYValue, &FCaptionColumnYMax,  &FCaptionColumnYMin,
                                             &FCaptionColumnYMean};
        for (int c = 0; c < ColCount; ++c)
            if (shown[c])
                *widths[c] = std::max(*widths[c], Canvas->TextWidth(TranslateText(*captions[c])));
    }
    if (FShowColumnLine)
        FMaxWidthLine = FLineColumnWidth + 3;
    if (FShowColumnMarker)
        FMaxWidthMarker = FLineColumnWidth + 3;

    // Cells.
    Canvas->Font()->Assign(FFont.get());
    for (const TiPlotLegendItem &item : FItemList) {
        TiPlotChannelCustom *channel = item.Channel;
        for (int c = 0; c < ColCount; ++c) {
            if (c == ColXValue || c == ColYValue) {
                TiPlotAxis *axis = c == ColXValue ? static_cast<TiPlotAxis *>(channel->XAxis()) : channel->YAxis();
                if (axis) {
                    if (FCursorAllChannels) {
                        *widths[c] = std::max(*widths[c], axis->GetCursorTextWidth(Canvas, FFont.get()));
                        const QString &text = c == ColXValue ? channel->DataCursorXText() : channel->DataCursorYText();
                        *widths[c] = std::max(*widths[c], static_cast<int>(text.length()) * w0);
                    } else {
                        *widths[c] = std::max(*widths[c], axis->GetLegendTextWidth(Canvas, FFont.get()));
                    }
                    Canvas->Font()->Assign(FFont.get());
                }
            }
            if (shown[c])
                *widths[c] = std::max(*widths[c], Canvas->TextWidth(CellText(this, channel, c)));
        }
    }

    // Column offsets.
    FColumnStartLine = 0;
    FColumnStartMarker = FShowColumnLine ? FMaxWidthLine + FColumnSpacingPixels : 0;
    FColumnStartChannel = FColumnStartMarker + (FShowColumnMarker ? FMaxWidthMarker + FColumnSpacingPixels : 0);
    int *starts[ColCount] = {&FColumnStartXName, &FColumnStartYName, &FColumnStartXValue, &FColumnStartYValue,
                             &FColumnStartYMax,  &FColumnStartYMin,  &FColumnStartYMean};
    int next = FColumnStartChannel + FMaxWidthChannelLabel + FColumnSpacingPixels;
    for (int c = 0; c < ColCount; ++c) {
        *starts[c] = next;
        if (shown[c])
            next += *widths[c] + FColumnSpacingPixels;
    }
    FItemWidth = next - FColumnSpacingPixels;

    FColumnTitlesRect =
        TRect(FInnerRect.Left, FInnerRect.Top, FInnerRect.Right, FInnerRect.Top + FColumnTitlesHeightPixels);
    FItemsRect = TRect(FInnerRect.Left, FColumnTitlesRect.Bottom + FColumnTitlesMarginPixels, FInnerRect.Right,
                       FInnerRect.Bottom);

    // Counts; a pitch of 0 counts as 1 pixel and counts below 1 as 1.
    const int itemsWidth = FItemsRect.Right - FItemsRect.Left;
    const int itemsHeight = FItemsRect.Bottom - FItemsRect.Top;
    const int fitCols = std::max(1, (itemsWidth - (FHorizontal ? 25 : 0) + FWrapSpacingPixels) /
                                        std::max(1, FItemWidth + FWrapSpacingPixels));
    const int fitRows =
        std::max(1, (itemsHeight + FRowSpacingPixels) / std::max(1, FMaxItemHeight + FRowSpacingPixels));
    int cols = std::max(1, FWrapColAutoCountEnabled ? FWrapColAutoCountMax : FWrapColDesiredCount);
    FActualWrapRowCount = std::max(1, FWrapRowAutoCountEnabled ? FWrapRowAutoCountMax : FWrapRowDesiredCount);
    int rows = 0;
    if (FHorizontal) {
        cols = std::min(cols, fitCols);
        rows = FWrapRowAutoCountEnabled ? CeilDiv(n, cols) : FActualWrapRowCount;
        rows = std::min(rows, FActualWrapRowCount);
        if (rows < 3 && rows * cols < n)
            rows = 3;
        if (FWrapColAutoCountEnabled)
            cols = std::min(cols, CeilDiv(n, rows));
    } else {
        if (FWrapColAutoCountEnabled)
            cols = CeilDiv(n, fitRows);
        cols = std::max(1, std::min(cols, std::max(1, FWrapColAutoCountMax)));
        rows = std::min({fitRows, n, FActualWrapRowCount});
        if (rows < 3 && rows * cols < n)
            rows = 3;
    }
    FActualWrapColCount = cols;

    // Placement.
    FColumnList = {FInnerRect.Left};
    int row = 1;
    int col = 1;
    int y = FItemsRect.Top;
    int firstColumnRows = 0;
    FItemViewStopIndex = n - 1;
    for (int s = FItemViewStartIndex; s < n; ++s) {
        TiPlotLegendItem &item = FItemList[static_cast<std::size_t>(s)];
        item.ARow = row;
        item.ACol = col;
        item.ALeft = FColumnList[static_cast<std::size_t>(col - 1)];
        item.ATop = y;
        if (col == 1)
            firstColumnRows = row;
        y += FMaxItemHeight + FRowSpacingPixels;
        ++row;
        if (row > rows && s != n - 1) {
            row = 1;
            y = FItemsRect.Top;
            ++col;
            if (col > cols) {
                FItemViewStopIndex = s;
                break;
            }
            FColumnList.push_back(FInnerRect.Left + (FItemWidth + FWrapSpacingPixels) * (col - 1));
        }
    }
    FRequiredWidth = cols * FItemWidth + (cols - 1) * FWrapSpacingPixels + marginLeft + marginRight;
    FRequiredHeight = marginTop + FColumnTitlesHeightPixels + FColumnTitlesMarginPixels +
                      (FMaxItemHeight + FRowSpacingPixels) * rows - FRowSpacingPixels + marginBottom;

    // Scroll buttons.
    if (rows * cols < n && FEnabled) {
        FUpButton->SetVisible(true);
        FDownButton->SetVisible(true);
        FUpButton->SetDrawRect(TRect(FItemsRect.Right - 17, FItemsRect.Top, FItemsRect.Right, FItemsRect.Top + 17));
        FDownButton->SetDrawRect(
            TRect(FItemsRect.Right - 17, FItemsRect.Bottom - 17, FItemsRect.Right, FItemsRect.Bottom));
        FRequiredWidth += 25;
    } else {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
    }
    if (FWrapColSpacingAuto && FHorizontal && cols > 1) {
        const int gap = static_cast<int>((itemsWidth - 25 - cols * FItemWidth) / static_cast<double>(cols - 1));
        for (TiPlotLegendItem &item : FItemList)
            item.ALeft = FInnerRect.Left + (FItemWidth + gap) * (item.ACol - 1);
        for (std::size_t i = 0; i < FColumnList.size(); ++i)
            FColumnList[i] = FInnerRect.Left + (FItemWidth + gap) * static_cast<int>(i);
    }
    if (FWrapRowSpacingAuto && !FHorizontal && firstColumnRows > 1) {
        FRowSpacingPixels = static_cast<int>((itemsHeight - FMaxItemHeight * firstColumnRows) /
                                             static_cast<double>(firstColumnRows - 1));
        const int titles = FColumnTitlesVisible ? FColumnTitlesHeightPixels + FColumnTitlesMarginPixels : 0;
        for (TiPlotLegendItem &item : FItemList)
            item.ATop = FInnerRect.Top + (item.ARow - 1) * (FMaxItemHeight + FRowSpacingPixels) + titles;
    }
    FUpButton->SetEnabled(FItemViewStartIndex != 0);
    FDownButton->SetEnabled(FItemViewStopIndex + 1 != n);
}

// ---- Drawing --------------------------------------------------------------------------------------

void TiPlotLegend::DrawLineSample(TCanvas *Canvas, const TiPlotChannelCustom *Channel, int X, int Y)
{
    TPen *pen = Canvas->Pen();
    pen->SetColor(Channel->Color());
    pen->SetWidth(1);
    const bool fixedRuns = FLineColumnWidth == 13;
    pen->SetStyle(fixedRuns ? psSolid : static_cast<TPenStyle>(Channel->TraceLineStyle()));
    const std::vector<std::pair<int, int>> wide = {{0, FLineColumnWidth}};
    const std::vector<std::pair<int, int>> &runs = fixedRuns ? SampleRuns(Channel->TraceLineStyle()) : wide;
    const int top = Y - FLineColumnHeight / 2;
    for (int row = top; row <= top + FLineColumnHeight; ++row)
        for (const auto &[from, to] : runs) {
            const TPoint points[2] = {TPoint(X + from, row), TPoint(X + to, row)};
            Canvas->Polyline(points, 2);
        }
}

void TiPlotLegend::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    inherited::Draw(Canvas, BackGroundColor);
    if (!FVisible)
        return;
    Layout(Canvas);
    if (FItemList.empty())
        return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetStyle(psSolid);
    if (!FBackGroundTransparent) {
        Canvas->Brush()->SetColor(FBackGroundColor);
        Canvas->FillRect(DrawRect());
    }
    const bool shown[ColCount] = {FShowColumnXName, FShowColumnYName, FShowColumnXValue2, FShowColumnYValue2,
                                  FShowColumnYMax,  FShowColumnYMin,  FShowColumnYMean};
    const int starts[ColCount] = {FColumnStartXName, FColumnStartYName, FColumnStartXValue, FColumnStartYValue,
                                  FColumnStartYMax,  FColumnStartYMin,  FColumnStartYMean};
    const int widths[ColCount] = {FMaxWidthXName, FMaxWidthYName, FMaxWidthXValue, FMaxWidthYValue,
                                  FMaxWidthYMax,  FMaxWidthYMin,  FMaxWidthYMean};
    auto alignment = [](int c) { return c <= ColYName ? iTextLeft : iTextRight; };

    if (FColumnTitlesVisible) {
        Canvas->Font()->Assign(FColumnTitlesFont.get());
        Canvas->Brush()->SetStyle(bsClear);
        const QString captions[ColCount] = {FCaptionColumnXName,  FCaptionColumnYName, FCaptionColumnXValue,
                                            FCaptionColumnYValue, FCaptionColumnYMax,  FCaptionColumnYMin,
                                            FCaptionColumnYMean};
        for (int left : FColumnList) {
            TRect r(left + FColumnStartChannel, FColumnTitlesRect.Top,
                    left + FColumnStartChannel + FMaxWidthChannelLabel, FColumnTitlesRect.Bottom);
            iDrawText(Canvas, TranslateText(FCaptionColumnTitle), r, BackGroundColor, true,
                      iTextLeft | iTextVCenter | iTextSingleLine | iTextNoClip);
            for (int c = 0; c < ColCount; ++c)
                if (shown[c]) {
                    TRect cell(left + starts[c], FColumnTitlesRect.Top, left + starts[c] + widths[c],
                               FColumnTitlesRect.Bottom);
                    iDrawText(Canvas, TranslateText(captions[c]), cell, BackGroundColor, true,
                              (c <= ColYName ? iTextCenter : iTextRight) | iTextVCenter | iTextSingleLine |
                                  iTextNoClip);
                }
        }
    }

    Canvas->Font()->Assign(FFont.get());
    Canvas->Brush()->SetStyle(bsClear);
    for (TiPlotLegendItem &item : FItemList)
        item.Channel->SetLegendRect(TRect());
    for (int s = FItemViewStartIndex; s <= FItemViewStopIndex; ++s) {
        const TiPlotLegendItem &item = FItemList[static_cast<std::size_t>(s)];
        TiPlotChannelCustom *channel = item.Channel;
        TRect name(item.ALeft + FColumnStartChannel, item.ATop,
                   item.ALeft + FColumnStartChannel + FMaxWidthChannelLabel + 1, item.ATop + item.MaxHeight);
        channel->SetLegendRect(name);
        const int centreY = item.ATop + FItemHeight / 2;
        if (FShowColumnLine)
            DrawLineSample(Canvas, channel, item.ALeft + FColumnStartLine, centreY);
        if (FShowColumnMarker)
            channel->DrawMarker(Canvas, -1, BackGroundColor,
                                TPoint(item.ALeft + FColumnStartMarker + FMaxWidthMarker / 2, centreY));
        if (channel->UserSelected()) {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(FSelectedItemBackGroundColor);
            Canvas->FillRect(name);
            Canvas->Font()->Assign(FSelectedItemFont.get());
        } else {
            Canvas->Font()->Assign(FFont.get());
        }
        Canvas->Brush()->SetStyle(bsClear);
        switch (FChannelNameColorStyle) {
        case iplcncsFont: break;
        case iplcncsChannelColor: Canvas->Font()->SetColor(channel->Color()); break;
        case iplcncsXAxisFontColor:
            if (channel->XAxis())
                Canvas->Font()->SetColor(channel->XAxis()->LabelsFont()->Color());
            break;
        case iplcncsYAxisFontColor:
            if (channel->YAxis())
                Canvas->Font()->SetColor(channel->YAxis()->LabelsFont()->Color());
            break;
        }
        iDrawText(Canvas, ChannelText(channel), name, BackGroundColor, true,
                  iTextLeft | iTextTop | iTextWordBreak | iTextWordEllipsis);
        Canvas->Font()->Assign(FFont.get());
        Canvas->Brush()->SetStyle(bsClear);
        for (int c = 0; c < ColCount; ++c)
            if (shown[c]) {
                TRect cell(item.ALeft + starts[c], item.ATop, item.ALeft + starts[c] + widths[c],
                           item.ATop + FItemHeight);
                iDrawText(Canvas, CellText(this, channel, c), cell, BackGroundColor, true,
                          alignment(c) | iTextVCenter | iTextSingleLine | iTextNoClip);
            }
    }

    for (TiPlotLegendButton *button : {FUpButton.get(), FDownButton.get()}) {
        if (!button->Visible())
            continue;
        button->Draw(Canvas, BackGroundColor);
        button->DrawScrollArrow(Canvas, button == FUpButton.get());
    }

    if (FUserSelected) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Font()->SetColor(clWhite);
        TRect focus = DrawRect();
        if (FHorizontal) {
            focus.Top += 2;
            focus.Bottom -= 2;
        } else {
            focus.Left += 2;
            focus.Right -= 2;
        }
        iDrawFocusRectangle(Canvas, focus);
    }
}

// ---- Input ----------------------------------------------------------------------------------------

TiPlotObject *TiPlotLegend::GetMouseOverObject(int X, int Y)
{
    TiPlotObject *result = inherited::GetMouseOverObject(X, Y);
    auto inside = [&](const TRect &r) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; };
    if (FUpButton->Visible() && inside(FUpButton->DrawRect())) {
        result = FUpButton.get();
    } else if (FDownButton->Visible() && inside(FDownButton->DrawRect())) {
        result = FDownButton.get();
    } else {
        for (const TiPlotLegendItem &item : FItemList)
            if (item.Channel->VisibleInLegend() && inside(item.Channel->LegendRect())) {
                result = item.Channel;
                break;
            }
    }
    FMouseOverObject = result;
    return result;
}

TCursor TiPlotLegend::GetMouseCursor(TPoint Point)
{
    TCursor cursor = inherited::GetMouseCursor(Point);
    if (TiPlotHost *host = Host())
        host->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotLegend::DoMouseUp(const TiPlotMouseData &MouseData)
{
    inherited::DoMouseUp(MouseData);
    ClickWhenReleasedInside(MouseData);
}

void TiPlotLegend::NotifySelected(TObject *AObject)
{
    inherited::NotifySelected(AObject);
    YieldSelectionTo(AObject);
}

void TiPlotLegend::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
