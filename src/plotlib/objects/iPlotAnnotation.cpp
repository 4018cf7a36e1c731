#include "plotlib/objects/iPlotAnnotation.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImageList.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotMath.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/channels/iPlotChannelCustom.h"
#include "plotlib/plot/iPlotComponent.h"
#include "plotlib/plot/iPlotDataView.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

T_IMPLEMENT_CLASS(TiPlotAnnotation)
{
    using A = TiPlotAnnotation;
    b.Enum("Style", &A::Style, &A::SetStyle, iPlotAnnotationStyleNames);
    b.Enum("Reference", &A::Reference, &A::SetReference, iPlotReferenceTypeNames);
    b.Enum("ReferencePositionX", &A::ReferencePositionX, &A::SetReferencePositionX, iPlotReferenceIndividualNames);
    b.Enum("ReferencePositionY", &A::ReferencePositionY, &A::SetReferencePositionY, iPlotReferenceIndividualNames);
    b.Enum("ReferenceSizeX", &A::ReferenceSizeX, &A::SetReferenceSizeX, iPlotReferenceIndividualNames);
    b.Enum("ReferenceSizeY", &A::ReferenceSizeY, &A::SetReferenceSizeY, iPlotReferenceIndividualNames);
    b.Float("X", &A::X, &A::SetX);
    b.Float("Y", &A::Y, &A::SetY);
    b.Float("Y2", &A::Y2, &A::SetY2);
    b.Float("X2", &A::X2, &A::SetX2);
    b.Float("Width", &A::Width, &A::SetWidth);
    b.Float("Height", &A::Height, &A::SetHeight);
    b.Color("PenColor", &A::PenColor, &A::SetPenColor);
    b.Int("PenWidth", &A::PenWidth, &A::SetPenWidth).Default(1);
    b.Enum("PenStyle", &A::PenStyle, &A::SetPenStyle, PenStyleNames);
    b.Color("BrushColor", &A::BrushColor, &A::SetBrushColor);
    b.Enum("BrushStyle", &A::BrushStyle, &A::SetBrushStyle, BrushStyleNames);
    b.Str("Text", &A::Text, &A::SetText);
    b.Object("Font", &A::Font, &A::SetFont);
    b.Str("ChannelName", &A::ChannelName, &A::SetChannelName);
    b.Enum("TextRotation", &A::TextRotation, &A::SetTextRotation, iRotationAngleNames);
    b.Bool("UserCanMove", &A::UserCanMove, &A::SetUserCanMove);
    b.Bool("UserCanSize", &A::UserCanSize, &A::SetUserCanSize);
    b.Bool("SelectModeOnlyInteraction", &A::SelectModeOnlyInteraction, &A::SetSelectModeOnlyInteraction);
    b.Bool("ClipToAxes", &A::ClipToAxes, &A::SetClipToAxes);
    b.Int("ImageListIndex", &A::ImageListIndex, &A::SetImageListIndex);
    b.Int("ImageIndex", &A::ImageIndex, &A::SetImageIndex);
    b.Enum("TextHorzAlignment", &A::TextHorzAlignment, &A::SetTextHorzAlignment, iAlignmentHorizontalNames);
    b.Enum("TextVertAlignment", &A::TextVertAlignment, &A::SetTextVertAlignment, iAlignmentVerticalNames);
    b.Enum("TextLineAlignment", &A::TextLineAlignment, &A::SetTextLineAlignment, iAlignmentHorizontalNames);
    b.Float("TextHorzMargin", &A::TextHorzMargin, &A::SetTextHorzMargin);
    b.Float("TextVertMargin", &A::TextVertMargin, &A::SetTextVertMargin);
    b.Bool("ShowFocusRect", &A::ShowFocusRect, &A::SetShowFocusRect);
    b.Int("OuterMargin", &A::OuterMargin, &A::SetOuterMargin);
}

namespace {

int Nearest(double Value)
{
    return static_cast<int>(Round(Value));
}

// The rectangle's part inside View (empty when they do not overlap).
TRect Inside(const TRect &Rect, const TRect &View)
{
    TRect part;
    IntersectRect(part, Rect, View);
    return part;
}

bool Touches(const TRect &Rect, const TRect &View)
{
    TRect part;
    return IntersectRect(part, Rect, View);
}

}  // namespace

// ---- Life ---------------------------------------------------------------------------------------

TiPlotAnnotation::TiPlotAnnotation(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetColor(0xFFFFFF);
    FFont->OnChange = TNotifyEvent(this, &TiPlotAnnotation::FontChanged);
}

TiPlotAnnotation::~TiPlotAnnotation()
{
    FFont->OnChange = nullptr;
}

// ---- Properties ---------------------------------------------------------------------------------

void TiPlotAnnotation::SetCoordinate(double Value, double &Field)
{
    if (Field == Value)
        return;
    Field = Value;
    DoChange();
    if (TiPlotHost *host = Host())
        host->DoAnnotationCoordinatesChange(this);
}

void TiPlotAnnotation::SetChannelName(const QString &Value)
{
    if (FChannelName == Value)
        return;
    FChannelName = Value;
    FChannel = nullptr;
    DoChange();
}

int TiPlotAnnotation::PolyPointAdd(double X, double Y)
{
    auto point = std::make_unique<TiPlotAnnotationPoint>();
    point->X = X;
    point->Y = Y;
    FPolyPoints.push_back(std::move(point));
    return PolyPointsCount() - 1;
}

void TiPlotAnnotation::PolyPointsClear()
{
    FPolyPoints.clear();
}

void TiPlotAnnotation::SetImage(TBitmap *Value)
{
    if (!Value) {
        FImage.reset();
    } else {
        if (!FImage)
            FImage = std::make_unique<TBitmap>();
        FImage->Assign(Value);
    }
    DoChange();
}

void TiPlotAnnotation::ImageLoadFromFile(const QString &FileName)
{
    TBitmap loaded;
    loaded.LoadFromFile(FileName);
    SetImage(&loaded);
}

void TiPlotAnnotation::ImageClear()
{
    if (!FImage)
        return;
    FImage.reset();
    DoChange();
}

TiPlotChannelCustom *TiPlotAnnotation::Channel()
{
    if (!FChannel)
        if (TiPlotMasterManager *master = PlotMaster(); master && master->ChannelManager())
            FChannel = static_cast<TiPlotChannelCustom *>(master->ChannelManager()->GetObjectByName(FChannelName));
    return FChannel;
}

// ---- Other objects ------------------------------------------------------------------------------

void TiPlotAnnotation::NotifyRemoved(TObject *AObject)
{
    inherited::NotifyRemoved(AObject);
    if (AObject && AObject == static_cast<TObject *>(FDataView))
        FDataView = nullptr;
    if (AObject && AObject == static_cast<TObject *>(FChannel))
        FChannel = nullptr;
}

void TiPlotAnnotation::NotifyRenamed(TObject *AObject)
{
    inherited::NotifyRenamed(AObject);
    if (FChannel && AObject == static_cast<TObject *>(FChannel))
        FChannelName = FChannel->Name();
}

void TiPlotAnnotation::NotifySelected(TObject *AObject)
{
    inherited::NotifySelected(AObject);
    YieldSelectionTo(AObject);
}

// ---- Frames -------------------------------------------------------------------------------------

bool TiPlotAnnotation::InChannelFrame(Group Which) const
{
    const bool x = Which == Group::PositionX || Which == Group::SizeX;
    TiPlotReferenceIndividual setting = FReferencePositionX;
    switch (Which) {
    case Group::PositionX: setting = FReferencePositionX; break;
    case Group::PositionY: setting = FReferencePositionY; break;
    case Group::SizeX: setting = FReferenceSizeX; break;
    case Group::SizeY: setting = FReferenceSizeY; break;
    }
    switch (setting) {
    case ipriDataView: return false;
    case ipriChannel: return true;
    case ipriAuto: break;
    }
    return FReference == iprtChannel || FReference == (x ? iprtXChannelYDataView : iprtXDataViewYChannel);
}

bool TiPlotAnnotation::FramesReady()
{
    bool dataView = false;
    bool channel = false;
    for (Group g : {Group::PositionX, Group::PositionY, Group::SizeX, Group::SizeY})
        (InChannelFrame(g) ? channel : dataView) = true;
    if (dataView && !FDataView)
        return false;
    if (channel) {
        const TiPlotChannelCustom *found = Channel();
        if (!found || !found->XAxis() || !found->YAxis())
            return false;
    }
    return true;
}

int TiPlotAnnotation::ToPixels(Group Which, bool AlongX, double Value)
{
    if (InChannelFrame(Which)) {
        const TiPlotChannelCustom *channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return 0;
        return AlongX ? channel->XAxis()->PositionToPixels(Value) : channel->YAxis()->PositionToPixels(Value);
    }
    if (!FDataView)
        return 0;
    // The X direction runs down the screen when the plot's axes are reversed.
    return AlongX != FXYAxesReversed ? FDataView->PositionPercentToPixelsX(Value)
                                     : FDataView->PositionPercentToPixelsY(Value);
}

double TiPlotAnnotation::ToPosition(Group Which, bool AlongX, int Value)
{
    if (InChannelFrame(Which)) {
        const TiPlotChannelCustom *channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return 0;
        return AlongX ? channel->XAxis()->PixelsToPosition(Value) : channel->YAxis()->PixelsToPosition(Value);
    }
    if (!FDataView)
        return 0;
    return AlongX != FXYAxesReversed ? FDataView->PixelsXToPositionPercent(Value)
                                     : FDataView->PixelsYToPositionPercent(Value);
}

int TiPlotAnnotation::SizeToPixels(Group Which, bool AlongX, double Size)
{
    double origin = 0;
    if (InChannelFrame(Which)) {
        const TiPlotChannelCustom *channel = Channel();
        if (!channel || !channel->XAxis() || !channel->YAxis())
            return 0;
        origin = AlongX ? channel->XAxis()->Min() : channel->YAxis()->Min();
    }
    return std::abs(ToPixels(Which, AlongX, origin + Size) - ToPixels(Which, AlongX, origin));
}

double TiPlotAnnotation::PixelsToSize(Group Which, bool AlongX, int From, int To)
{
    return std::abs(ToPosition(Which, AlongX, To) - ToPosition(Which, AlongX, From));
}

int TiPlotAnnotation::PositionXToPixels(double Value)
{
    return ToPixels(Group::PositionX, true, Value);
}

int TiPlotAnnotation::PositionYToPixels(double Value)
{
    return ToPixels(Group::PositionY, false, Value);
}

double TiPlotAnnotation::PixelsXToPosition(int Value)
{
    return ToPosition(Group::PositionX, true, Value);
}

double TiPlotAnnotation::PixelsYToPosition(int Value)
{
    return ToPosition(Group::PositionY, false, Value);
}

// ---- Drawing ------------------------------------------------------------------------------------

bool TiPlotAnnotation::CanSize() const
{
    switch (FStyle) {
    case ipasRectangle:
    case ipasTextRectangle:
    case ipasEllipse:
    case ipasEllipse2:
    case ipasRectangle2: return FUserCanSize;
    default: return false;
    }
}

bool TiPlotAnnotation::IsBoxStyle() const
{
    switch (FStyle) {
    case ipasRectangle:
    case ipasTextRectangle:
    case ipasEllipse:
    case ipasTextBox:
    case ipasEllipse2:
    case ipasPolygon:
    case ipasRectangle2: return true;
    default: return false;
    }
}

TRect TiPlotAnnotation::TextBox(TCanvas *Canvas, int X, int Y, int Grow)
{
    int w = iTextWidthMultiLine(Canvas, FText) + 2 * Grow;
    int h = iTextHeightMultiLine(Canvas, FText) + 2 * Grow;
    if (FTextRotation == ira090 || FTextRotation == ira270)
        std::swap(w, h);
    TRect box(X - w / 2, Y - h / 2, X - w / 2 + w, Y - h / 2 + h);
    const int dx = Nearest(Canvas->TextWidth(QStringLiteral("A")) * FTextHorzMargin) + w / 2;
    const int dy = Nearest(Canvas->TextHeight(QStringLiteral("A")) * FTextVertMargin) + h / 2;
    switch (FTextHorzAlignment) {
    case iahLeft: box.Offset(dx, 0); break;
    case iahRight: box.Offset(-dx, 0); break;
    case iahCenter: break;
    }
    switch (FTextVertAlignment) {
    case iavTop: box.Offset(0, dy); break;
    case iavBottom: box.Offset(0, -dy); break;
    case iavCenter: break;
    }
    return box;
}

void TiPlotAnnotation::DrawTextInto(TCanvas *Canvas, const TRect &Box)
{
    TRect drawn;
    iDrawRotatedText(Canvas, FText, Box, drawn, clBtnFace, true, FTextLineAlignment, FTextRotation);
}

void TiPlotAnnotation::DrawTextInRectangle(TCanvas *Canvas, const TRect &Box)
{
    Canvas->Font()->Assign(FFont.get());
    int w = iTextWidthMultiLine(Canvas, FText);
    int h = iTextHeightMultiLine(Canvas, FText);
    if (FTextRotation == ira090 || FTextRotation == ira270)
        std::swap(w, h);
    const int gapX = Nearest(Canvas->TextWidth(QStringLiteral("0")) * FTextHorzMargin);
    const int gapY = Nearest(Canvas->TextHeight(QStringLiteral("A")) * FTextVertMargin);
    TRect strip = Box;
    switch (FTextHorzAlignment) {
    case iahLeft:
        strip.Left = Box.Left + gapX;
        strip.Right = strip.Left + w;
        break;
    case iahRight:
        strip.Right = Box.Right - gapX;
        strip.Left = strip.Right - w;
        break;
    case iahCenter: break;
    }
    switch (FTextVertAlignment) {
    case iavTop:
        strip.Top = Box.Top + gapY;
        strip.Bottom = strip.Top + h;
        break;
    case iavBottom:
        strip.Bottom = Box.Bottom - gapY;
        strip.Top = strip.Bottom - h;
        break;
    case iavCenter: break;
    }
    Canvas->Brush()->SetStyle(bsClear);
    DrawTextInto(Canvas, strip);
}

void TiPlotAnnotation::DrawPicture(TCanvas *Canvas, const TPoint &Centre, const TRect &View)
{
    TRect picture;
    if (FImage && !FImage->Empty()) {
        picture =
            Bounds(Centre.X - FImage->Width() / 2, Centre.Y - FImage->Height() / 2, FImage->Width(), FImage->Height());
        if (!Touches(picture, View))
            return;
        FImage->SetTransparentMode(tmAuto);
        FImage->SetTransparent(true);
        Canvas->Draw(picture.Left, picture.Top, FImage.get());
    } else {
        TiPlotHost *host = Host();
        TCustomImageList *list =
            host ? host->GetImageList(FImageListIndex == 0 || FImageListIndex == 1 ? FImageListIndex : 2) : nullptr;
        if (!list || FImageIndex < 0 || FImageIndex >= list->Count())
            return;
        picture = Bounds(Centre.X - list->Width() / 2, Centre.Y - list->Height() / 2, list->Width(), list->Height());
        if (!Touches(picture, View))
            return;
        list->Draw(Canvas, picture.Left, picture.Top, FImageIndex, FEnabled);
    }
    FClickRect = picture;
    FShowing = true;
}

void TiPlotAnnotation::SetSizeHandles(const TRect &Box, const TRect &View)
{
    FDrawRect = Box;
    auto handle = [&](int X, int Y) { return Inside(TRect(X - 3, Y - 3, X + 3, Y + 3), View); };
    FSizeTopLeftRect = handle(Box.Left, Box.Top);
    FSizeTopRightRect = handle(Box.Right, Box.Top);
    FSizeBottomLeftRect = handle(Box.Left, Box.Bottom);
    FSizeBottomRightRect = handle(Box.Right, Box.Bottom);
}

void TiPlotAnnotation::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    FShowing = false;
    FClickRect = TRect();
    FSizeTopLeftRect = FSizeTopRightRect = FSizeBottomLeftRect = FSizeBottomRightRect = TRect();
    if (!FVisible || !FramesReady())
        return;
    const bool reversed = FXYAxesReversed;

    // Pixels along the axis directions, then the centred box.
    const int px = PositionXToPixels(FX);
    const int py = PositionYToPixels(FY);
    const int px2 = ToPixels(Group::PositionX, true, FX2);
    const int py2 = ToPixels(Group::PositionY, false, FY2);
    const int hw = SizeToPixels(Group::SizeX, true, FWidth / 2);
    const int hh = SizeToPixels(Group::SizeY, false, FHeight / 2);
    TRect centred;
    iOrientedRect(reversed, px - hw, py - hh, px + hw, py + hh, centred);
    TRect cornered;
    iOrientedRect(reversed, px, py, px2, py2, cornered);
    const TPoint anchor = iOrientedPoint(reversed, px, py);

    // The view's rectangle, right and bottom edges included as the plot clips them.
    const TRect dataView = FDataView ? FDataView->DrawRect() : TRect();
    const std::optional<TRegion> former = Canvas->ClipRegion();
    const TiScopeExit restore([&] { Canvas->SelectClipRegion(former ? &*former : nullptr); });
    const auto *plot = dynamic_cast<const TiPlotComponent *>(FOwner);
    if (FClipToAxes || (FReference == iprtChannel && plot && plot->ClipAnnotationsToAxes())) {
        bool anyChannel = false;
        for (Group g : {Group::PositionX, Group::PositionY, Group::SizeX, Group::SizeY})
            anyChannel = anyChannel || InChannelFrame(g);
        // Coordinates all in the data view's frame have no axes to clip to: the data view it is.
        if (anyChannel)
            Canvas->IntersectClipRect(iAxesSpanRect(*Channel()->XAxis(), *Channel()->YAxis(), reversed));
        else if (FDataView)
            Canvas->IntersectClipRect(TRect(dataView.Left, dataView.Top, dataView.Right + 1, dataView.Bottom + 1));
    }

    Canvas->Pen()->SetColor(FPenColor);
    Canvas->Pen()->SetWidth(FPenWidth);
    Canvas->Pen()->SetStyle(FPenStyle);
    Canvas->Brush()->SetColor(FBrushColor);
    Canvas->Brush()->SetStyle(FBrushStyle);
    Canvas->SetBkColor(BackGroundColor);
    Canvas->Font()->Assign(FFont.get());

    // The data view's extent along the X and the Y axis direction.
    const int alongXFrom = reversed ? dataView.Top : dataView.Left;
    const int alongXTo = reversed ? dataView.Bottom : dataView.Right;
    const int alongYFrom = reversed ? dataView.Left : dataView.Top;
    const int alongYTo = reversed ? dataView.Right : dataView.Bottom;
    auto line = [&](const TPoint &A, const TPoint &B) {
        if (!SegmentIntersectsRect(A, B, dataView))
            return false;
        Canvas->Brush()->SetColor(BackGroundColor);
        Canvas->MoveTo(A.X, A.Y);
        Canvas->LineTo(B.X, B.Y);
        return true;
    };
    auto box = [&](const TRect &Box) {
        if (!Touches(Box, dataView))
            return false;
        FClickRect = Inside(Box, dataView);
        FShowing = true;
        SetSizeHandles(Box, dataView);
        return true;
    };

    switch (FStyle) {
    case ipasText:
    case ipasTextBox: {
        const int grow = FStyle == ipasTextBox ? FOuterMargin : 0;
        const TRect textBox = TextBox(Canvas, anchor.X, anchor.Y, grow);
        if (!Touches(textBox, dataView))
            break;
        if (FStyle == ipasTextBox) {
            Canvas->Rectangle(textBox);
            SetSizeHandles(textBox, dataView);
        }
        Canvas->Brush()->SetStyle(bsClear);
        DrawTextInto(Canvas,
                     TRect(textBox.Left + grow, textBox.Top + grow, textBox.Right - grow, textBox.Bottom - grow));
        FClickRect = textBox;
        FShowing = true;
        break;
    }
    case ipasLine: line(anchor, iOrientedPoint(reversed, px2, py2)); break;
    case ipasLineX:
    case ipasLineY: {
        const bool x = FStyle == ipasLineX;
        const int at = x ? px : py;
        const TPoint a = x ? iOrientedPoint(reversed, at, alongYFrom) : iOrientedPoint(reversed, alongXFrom, at);
        const TPoint b = x ? iOrientedPoint(reversed, at, alongYTo) : iOrientedPoint(reversed, alongXTo, at);
        if (!line(a, b))
            break;
        if (x)
            iOrientedRect(reversed, at - 5, alongYFrom, at + 5, alongYTo, FClickRect);
        else
            iOrientedRect(reversed, alongXFrom, at - 5, alongXTo, at + 5, FClickRect);
        FShowing = true;
        break;
    }
    case ipasRectangle:
    case ipasRectangle2: {
        const TRect &shape = FStyle == ipasRectangle ? centred : cornered;
        if (box(shape))
            Canvas->Rectangle(shape);
        break;
    }
    case ipasEllipse:
    case ipasEllipse2: {
        const TRect &shape = FStyle == ipasEllipse2 ? centred : cornered;
        if (box(shape))
            Canvas->Ellipse(shape);
        break;
    }
    case ipasTextRectangle:
        if (box(centred)) {
            Canvas->Rectangle(centred);
            DrawTextInRectangle(Canvas, centred);
        }
        break;
    case ipasImage: DrawPicture(Canvas, anchor, dataView); break;
    case ipasPolygon: {
        if (PolyPointsCount() < 2)
            break;
        std::vector<TPoint> points;
        TRect bounds(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (const auto &vertex : FPolyPoints) {
            const TPoint p = iOrientedPoint(reversed, PositionXToPixels(vertex->X), PositionYToPixels(vertex->Y));
            points.push_back(p);
            bounds = TRect(std::min(bounds.Left, p.X), std::min(bounds.Top, p.Y), std::max(bounds.Right, p.X),
                           std::max(bounds.Bottom, p.Y));
        }
        if (box(bounds))
            Canvas->Polygon(points);
        break;
    }
    }

    if (FShowing && FUserSelected && FShowFocusRect)
        for (const TRect &handle : {FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect})
            if (!handle.IsEmpty())
                Canvas->InvertRect(handle);
}

// ---- Input --------------------------------------------------------------------------------------

bool TiPlotAnnotation::iHitTest(const TiPlotMouseData &MouseData)
{
    if (FSelectModeOnlyInteraction) {
        const TiPlotMasterManager *master = PlotMaster();
        if (!master || !master->SelectModeActive())
            return false;
    }
    if (!FShowing)
        return false;
    const TPoint point(MouseData.X, MouseData.Y);
    for (const TRect &area :
         {FClickRect, FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect})
        if (area.Contains(point))
            return true;
    return false;
}

TCursor TiPlotAnnotation::GetMouseCursor(TPoint Point)
{
    TCursor cursor = crHandPoint;
    if (CanSize() && FUserSelected) {
        if (FSizeTopLeftRect.Contains(Point) || FSizeBottomRightRect.Contains(Point))
            cursor = crSizeNWSE;
        else if (FSizeTopRightRect.Contains(Point) || FSizeBottomLeftRect.Contains(Point))
            cursor = crSizeNESW;
    }
    if (TiPlotHost *host = Host())
        host->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotAnnotation::DoMouseLeft(const TiPlotMouseData &MouseData)
{
    if (!FShowing)
        return;
    const TPoint point(MouseData.X, MouseData.Y);
    FSelectStyle = ipassNone;
    if (CanSize()) {
        if (FSizeTopLeftRect.Contains(point))
            FSelectStyle = ipassSizeTopLeft;
        else if (FSizeBottomRightRect.Contains(point))
            FSelectStyle = ipassSizeBottomRight;
        else if (FSizeTopRightRect.Contains(point))
            FSelectStyle = ipassSizeTopRight;
        else if (FSizeBottomLeftRect.Contains(point))
            FSelectStyle = ipassSizeBottomLeft;
    }
    if (FSelectStyle == ipassNone && FUserCanMove)
        FSelectStyle = ipassMove;
    FPressActive = true;
    FMouseDownRect = FDrawRect;
    FRectChange = false;
    FMouseDownXValue = FX;
    FMouseDownYValue = FY;
    FMouseDownX2Value = FX2;
    FMouseDownY2Value = FY2;
    FMouseDownWidth = FWidth;
    FMouseDownHeight = FHeight;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    const TPoint anchor = iOrientedPoint(FXYAxesReversed, PositionXToPixels(FX), PositionYToPixels(FY));
    FMouseDownPositionPixelsX = anchor.X;
    FMouseDownPositionPixelsY = anchor.Y;
}

void TiPlotAnnotation::ApplyPixelRect(const TRect &Rect)
{
    // Screen edges into the axis directions: exchanged when the plot's axes are reversed.
    const bool reversed = FXYAxesReversed;
    const int x1 = reversed ? Rect.Top : Rect.Left;
    const int x2 = reversed ? Rect.Bottom : Rect.Right;
    const int y1 = reversed ? Rect.Left : Rect.Top;
    const int y2 = reversed ? Rect.Right : Rect.Bottom;
    if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
        SetX(PixelsXToPosition(x1));
        SetY(PixelsYToPosition(y1));
        SetX2(ToPosition(Group::PositionX, true, x2));
        SetY2(ToPosition(Group::PositionY, false, y2));
    } else {
        SetX((PixelsXToPosition(x1) + PixelsXToPosition(x2)) / 2);
        SetY((PixelsYToPosition(y1) + PixelsYToPosition(y2)) / 2);
        SetWidth(PixelsToSize(Group::SizeX, true, x1, x2));
        SetHeight(PixelsToSize(Group::SizeY, false, y1, y2));
    }
    FRectChange = true;
    DoChange();
    if (TiPlotHost *host = Host())
        host->DoAnnotationCoordinatesChange(this);
}

void TiPlotAnnotation::DoMouseMove(const TiPlotMouseData &MouseData)
{
    if (!FUserSelected || !FPressActive)
        return;
    const int dx = MouseData.X - FMouseDownX;
    const int dy = MouseData.Y - FMouseDownY;
    TiPlotHost *host = Host();
    switch (FSelectStyle) {
    case ipassMove: {
        const int sx = FMouseDownPositionPixelsX + dx;
        const int sy = FMouseDownPositionPixelsY + dy;
        const double x = PixelsXToPosition(FXYAxesReversed ? sy : sx);
        const double y = PixelsYToPosition(FXYAxesReversed ? sx : sy);
        SetX(x);
        SetY(y);
        if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
            SetX2(FMouseDownX2Value - FMouseDownXValue + x);
            SetY2(FMouseDownY2Value - FMouseDownYValue + y);
        }
        FRectChange = true;
        DoChange();
        if (host) {
            host->DoAnnotationMoveUser(this);
            host->DoAnnotationCoordinatesChange(this);
        }
        break;
    }
    case ipassSizeTopLeft:
    case ipassSizeTopRight:
    case ipassSizeBottomLeft:
    case ipassSizeBottomRight: {
        TRect r = FMouseDownRect;
        (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeBottomLeft ? r.Left : r.Right) += dx;
        (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeTopRight ? r.Top : r.Bottom) += dy;
        ApplyPixelRect(r);
        if (host)
            host->DoAnnotationResizeUser(this);
        DoChange();
        break;
    }
    case ipassNone: DoChange(); break;
    }
}

void TiPlotAnnotation::DoMouseUp(const TiPlotMouseData &MouseData)
{
    if (FPressActive) {
        FPressActive = false;
        if (iHitTest(MouseData))
            if (TiPlotHost *host = Host())
                host->DoObjectClick(this);
        if (FRectChange)
            if (TiPlotHost *host = Host())
                host->DoAnnotationCoordinatesChangeFinished(this);
    }
    FSelectStyle = ipassNone;
}
