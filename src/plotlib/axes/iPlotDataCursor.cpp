#include "plotlib/axes/iPlotDataCursor.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/Menus.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using C = TiPlotDataCursor;

// The published menu-item properties, one per style.
template <TiPlotDataCursorStyle S>
void DescribeMenuItemVisible(TClassBuilder<C> &b, const char *Name)
{
    b.Bool(
        Name, [](const C &Cursor) { return Cursor.MenuItemVisible(S); },
        [](C &Cursor, bool Value) { Cursor.SetMenuItemVisible(S, Value); });
}

template <TiPlotDataCursorStyle S>
void DescribeMenuItemCaption(TClassBuilder<C> &b, const char *Name)
{
    b.Str(
        Name, [](const C &Cursor) { return Cursor.MenuItemCaption(S); },
        [](C &Cursor, const QString &Value) { Cursor.SetMenuItemCaption(S, Value); });
}

const QString AllChannels = QStringLiteral("<All>");

}  // namespace

T_IMPLEMENT_CLASS(TiPlotDataCursor)
{
    b.Str("ChannelName", &C::ChannelName, &C::SetChannelName);
    b.Bool("ChannelAllowAll", &C::ChannelAllowAll, &C::SetChannelAllowAll);
    b.Bool("ChannelShowAllInLegend", &C::ChannelShowAllInLegend, &C::SetChannelShowAllInLegend);
    b.Enum("Style", &C::Style, &C::SetStyle, iPlotDataCursorStyleNames);
    b.Object("Font", &C::Font, &C::SetFont);
    b.Color("Color", &C::Color, &C::SetColor);
    b.Bool("UseChannelColor", &C::UseChannelColor, &C::SetUseChannelColor);
    b.Bool("HintShow", &C::HintShow, &C::SetHintShow);
    b.Bool("HintHideOnRelease", &C::HintHideOnRelease, &C::SetHintHideOnRelease);
    b.Enum("HintOrientationSide", &C::HintOrientationSide, &C::SetHintOrientationSide, iOrientationSideNames);
    b.Float("HintPosition", &C::HintPosition, &C::SetHintPosition);
    b.Float("Pointer1Position", &C::Pointer1Position, &C::SetPointer1Position);
    b.Float("Pointer2Position", &C::Pointer2Position, &C::SetPointer2Position);
    b.Int("PointerPenWidth", &C::PointerPenWidth, &C::SetPointerPenWidth);
    b.Bool("MenuUserCanChangeOptions", &C::MenuUserCanChangeOptions, &C::SetMenuUserCanChangeOptions).Default(true);
    b.Bool("SnapToDataPoint", &C::SnapToDataPoint, &C::SetSnapToDataPoint).Default(false);
    b.Bool("UseCachedInterpolatedData", &C::UseCachedInterpolatedData, &C::SetUseCachedInterpolatedData).Default(false);
    DescribeMenuItemVisible<ipcsValueXY>(b, "MenuItemVisibleValueXY");
    DescribeMenuItemVisible<ipcsValueX>(b, "MenuItemVisibleValueX");
    DescribeMenuItemVisible<ipcsValueY>(b, "MenuItemVisibleValueY");
    DescribeMenuItemVisible<ipcsDeltaX>(b, "MenuItemVisibleDeltaX");
    DescribeMenuItemVisible<ipcsDeltaY>(b, "MenuItemVisibleDeltaY");
    DescribeMenuItemVisible<ipcsInverseDeltaX>(b, "MenuItemVisibleInverseDeltaX");
    DescribeMenuItemCaption<ipcsValueXY>(b, "MenuItemCaptionValueXY");
    DescribeMenuItemCaption<ipcsValueX>(b, "MenuItemCaptionValueX");
    DescribeMenuItemCaption<ipcsValueY>(b, "MenuItemCaptionValueY");
    DescribeMenuItemCaption<ipcsDeltaX>(b, "MenuItemCaptionDeltaX");
    DescribeMenuItemCaption<ipcsDeltaY>(b, "MenuItemCaptionDeltaY");
    DescribeMenuItemCaption<ipcsInverseDeltaX>(b, "MenuItemCaptionInverseDeltaX");
}

// ---- Life ---------------------------------------------------------------------------------------

TiPlotDataCursor::TiPlotDataCursor(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](TObject *) { DoChange(); };
    FVisible = false;
    FEnabled = true;
    ApplyStyle();
}

TiPlotDataCursor::~TiPlotDataCursor() = default;

// ---- Properties ---------------------------------------------------------------------------------

void TiPlotDataCursor::SetChannelName(const QString &Value)
{
    FChannel = nullptr;
    SetField(Value, FChannelName);
}

void TiPlotDataCursor::SetStyle(TiPlotDataCursorStyle Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    ApplyStyle();
    DoChange();
}

void TiPlotDataCursor::SetPointer1Position(double Value)
{
    SetField(std::clamp(Value, 0.0, 100.0), FPointer1Position);
}

void TiPlotDataCursor::SetPointer2Position(double Value)
{
    SetField(std::clamp(Value, 0.0, 100.0), FPointer2Position);
}

void TiPlotDataCursor::SetVisible(bool Value)
{
    const bool showing = Value && !FVisible;
    inherited::SetVisible(Value);
    if (showing)
        UpdateValues();
}

void TiPlotDataCursor::SetXYAxesReversed(bool Value)
{
    inherited::SetXYAxesReversed(Value);
    ApplyStyle();
}

// ---- Style --------------------------------------------------------------------------------------

bool TiPlotDataCursor::IsDeltaStyle() const
{
    return FStyle == ipcsDeltaX || FStyle == ipcsDeltaY || FStyle == ipcsInverseDeltaX;
}

bool TiPlotDataCursor::IsAllChannels() const
{
    return SameText(FChannelName, AllChannels);
}

bool TiPlotDataCursor::OnStripChart() const
{
    return iIsKindOf(FOwner, QStringLiteral("TiPlot"));
}

void TiPlotDataCursor::ApplyStyle()
{
    struct Layout {
        bool Show1;
        TiOrientation Orientation1;
        bool Show2;
        TiOrientation Orientation2;
        TiOrientation Hint;
    };
    // By style, on an XY plot; a hidden pointer keeps the orientation it has.
    // clang-format off
    static constexpr Layout XYPlot[] = {
        /* ipcsValueXY */       {true,  ioVertical,   true,  ioHorizontal, ioVertical},
        /* ipcsValueX */        {true,  ioVertical,   false, ioHorizontal, ioVertical},
        /* ipcsValueY */        {false, ioVertical,   true,  ioHorizontal, ioHorizontal},
        /* ipcsDeltaX */        {true,  ioVertical,   true,  ioVertical,   ioVertical},
        /* ipcsDeltaY */        {true,  ioHorizontal, true,  ioHorizontal, ioHorizontal},
        /* ipcsInverseDeltaX */ {true,  ioVertical,   true,  ioVertical,   ioVertical},
    };
    // clang-format on
    // A strip chart reads values along X only: one vertical pointer for the value styles.
    static constexpr Layout StripValue = {true, ioVertical, false, ioHorizontal, ioVertical};
    const bool valueStyle = FStyle == ipcsValueXY || FStyle == ipcsValueX || FStyle == ipcsValueY;
    const Layout &l = OnStripChart() && valueStyle ? StripValue : XYPlot[FStyle];
    FPointer1Show = l.Show1;
    if (l.Show1)
        FPointer1Orientation = l.Orientation1;
    FPointer2Show = l.Show2;
    if (l.Show2)
        FPointer2Orientation = l.Orientation2;
    FHintOrientation = l.Hint;
    if (FXYAxesReversed) {
        auto turn = [](TiOrientation &o) { o = o == ioVertical ? ioHorizontal : ioVertical; };
        turn(FPointer1Orientation);
        turn(FPointer2Orientation);
        turn(FHintOrientation);
    }
}

// ---- Values -------------------------------------------------------------------------------------

TiPlotChannelCustom *TiPlotDataCursor::GetChannel()
{
    if (!FChannel)
        if (const TiPlotMasterManager *master = PlotMaster(); master && master->ChannelManager())
            FChannel = static_cast<TiPlotChannelCustom *>(master->ChannelManager()->GetObjectByName(FChannelName));
    return FChannel;
}

void TiPlotDataCursor::SetValues(TiPlotDataPointStatus AStatus, double Y, double X)
{
    if (AStatus == FStatus && Y == FValueY && X == FValueX)
        return;
    FStatus = AStatus;
    FValueY = Y;
    FValueX = X;
    if (TiPlotHost *host = Host())
        host->DoDataCursorChange(this);
}

void TiPlotDataCursor::UpdateValues()
{
    if (TiPlotHost *host = Host())
        host->DoBeforeDataCursorUpdate(this);
    if (!IsAllChannels()) {
        if (TiPlotChannelCustom *channel = GetChannel())
            channel->UpdateDataCursor(this);
        return;
    }
    const TiPlotMasterManager *master = PlotMaster();
    const TiPlotChannelManager *channels = master ? master->ChannelManager() : nullptr;
    for (int i = 0; channels && i < channels->Count(); ++i)
        channels->Items(i)->UpdateDataCursor(this);
}

// ---- Drawing ------------------------------------------------------------------------------------

void TiPlotDataCursor::Draw(TCanvas *Canvas, TColor)
{
    if (!FDataView || !FVisible)
        return;
    UpdateValues();
    TiPlotChannelCustom *channel = GetChannel();
    const bool channelColor = FUseChannelColor && channel;
    const TColor color = channelColor ? channel->Color() : FColor;
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(color);

    const TRect dv = FDataView->DrawRect();
    auto drawPointer = [&](bool Dragged, TiOrientation Orientation, double Position, TRect &HitRect) {
        Canvas->Pen()->SetWidth(Dragged ? 0 : FPointerPenWidth);
        if (Orientation == ioVertical) {
            const int x = FDataView->PositionPercentToPixelsX(Position);
            Canvas->MoveTo(x, dv.Top);
            Canvas->LineTo(x, dv.Bottom);
            HitRect = TRect(x - 5, dv.Top, x + 6, dv.Bottom);
        } else {
            const int y = FDataView->PositionPercentToPixelsY(Position);
            Canvas->MoveTo(dv.Left, y);
            Canvas->LineTo(dv.Right, y);
            HitRect = TRect(dv.Left, y - 5, dv.Right, y + 6);
        }
    };
    if (FPointer1Show)
        drawPointer(FMouseDownPointer1, FPointer1Orientation, FPointer1Position, FPointer1Rect);
    if (FPointer2Show)
        drawPointer(FMouseDownPointer2, FPointer2Orientation, FPointer2Position, FPointer2Rect);

    const bool dragging = FMouseDownPointer1 || FMouseDownPointer2;
    FHintShowing = FHintShow && !IsAllChannels() && (!FHintHideOnRelease || dragging);
    if (FHintShowing)
        DrawHint(Canvas, channelColor ? color : clBlack);
}

void TiPlotDataCursor::DrawHint(TCanvas *Canvas, TColor PenColor)
{
    QString text = GetChannel() ? FCursorDisplayText : TranslateText(QStringLiteral("No Channel"));
    if (TiPlotHost *host = Host())
        host->DoDataCursorCustomizeHint(this, text);

    Canvas->Font()->Assign(FFont.get());
    const int w = iTextWidthMultiLine(Canvas, text);
    TRect measure(0, 0, w, 0);
    const int h = iDrawText(Canvas, text, measure, clBtnFace, true, iTextWordBreak | iTextCalcRect);
    const int a = Canvas->TextWidth(QStringLiteral("A"));
    FHintHeight = a / 2 + h;
    FHintWidth = w + a;
    const TRect p = FPointer1Show ? FPointer1Rect : FPointer2Rect;
    const TRect dv = FDataView->DrawRect();
    // The box centred on a point (the delta styles: between the pointers).
    auto centred = [this](int X, int Y) {
        const int left = X - FHintWidth / 2;
        const int top = Y - FHintHeight / 2;
        return TRect(left, top, left + FHintWidth, top + FHintHeight);
    };

    TRect box;
    if (FHintOrientation == ioVertical) {
        const int r = (p.Left + p.Right) / 2;
        // The box stands beside the pointer, on the side where it fits.
        if (dv.Right < r + a + w + 5)
            FHintOrientationSide = iosTopLeft;
        if (r - a - w - 5 < dv.Left)
            FHintOrientationSide = iosBottomRight;
        const int y = FDataView->PositionPercentToPixelsY(FHintPosition);
        if (IsDeltaStyle())
            box = centred((FPointer1Rect.Left + FPointer1Rect.Right + FPointer2Rect.Left + FPointer2Rect.Right) / 4, y);
        else if (FHintOrientationSide == iosBottomRight)
            box = TRect(r + 5, y - FHintHeight / 2, r + w + a + 5, y + FHintHeight / 2);
        else
            box = TRect(r - w - a - 5, y - FHintHeight / 2, r - 5, y + FHintHeight / 2);
    } else {
        const int r = (p.Top + p.Bottom) / 2;
        if (dv.Bottom < r + a + h)
            FHintOrientationSide = iosTopLeft;
        if (r - a - h < dv.Top)
            FHintOrientationSide = iosBottomRight;
        const int x = FDataView->PositionPercentToPixelsX(FHintPosition);
        if (IsDeltaStyle())
            box = centred(x, (FPointer1Rect.Top + FPointer1Rect.Bottom + FPointer2Rect.Top + FPointer2Rect.Bottom) / 4);
        else if (FHintOrientationSide == iosBottomRight)
            box = TRect(x - FHintWidth / 2, r + 5, x + FHintWidth / 2, r + FHintHeight + 5);
        else
            box = TRect(x - FHintWidth / 2, r - FHintHeight - 5, x + FHintWidth / 2, r - 5);
    }
    // Moved, not resized, into the data view.
    if (box.Left < dv.Left)
        box.Offset(dv.Left - box.Left, 0);
    if (box.Right > dv.Right)
        box.Offset(dv.Right - box.Right, 0);
    if (box.Top < dv.Top)
        box.Offset(0, dv.Top - box.Top);
    if (box.Bottom > dv.Bottom)
        box.Offset(0, dv.Bottom - box.Bottom);
    FHintRect = box;

    if (IsDeltaStyle()) {
        // A dotted line from pointer to pointer through the box.
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetStyle(psDot);
        Canvas->Pen()->SetWidth(1);
        if (FHintOrientation == ioVertical) {
            const int y = (box.Top + box.Bottom) / 2;
            Canvas->MoveTo((FPointer1Rect.Left + FPointer1Rect.Right) / 2, y);
            Canvas->LineTo((FPointer2Rect.Left + FPointer2Rect.Right) / 2, y);
        } else {
            const int x = (box.Left + box.Right) / 2;
            Canvas->MoveTo(x, (FPointer1Rect.Top + FPointer1Rect.Bottom) / 2);
            Canvas->LineTo(x, (FPointer2Rect.Top + FPointer2Rect.Bottom) / 2);
        }
    }

    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(PenColor);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->Font()->SetColor(clInfoText);
    Canvas->Rectangle(box);
    TRect textRect(box.Left + 2, box.Top + 1, box.Right, box.Bottom);
    iDrawText(Canvas, text, textRect, clInfoBk, true, iTextLeft | iTextVCenter);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(box);
    if (FUserSelected) {
        Canvas->Font()->SetColor(clWhite);
        Canvas->Pen()->SetColor(clWhite);
        TRect frame = box;
        frame.Inflate(2, 2);
        iDrawFocusRectangle(Canvas, frame);
    }
}

// ---- Mouse --------------------------------------------------------------------------------------

bool TiPlotDataCursor::iHitTest(const TiPlotMouseData &MouseData)
{
    if (!FDataView)
        return false;
    const TPoint point(MouseData.X, MouseData.Y);
    return (FPointer1Show && FPointer1Rect.Contains(point)) || (FPointer2Show && FPointer2Rect.Contains(point)) ||
           (FHintShowing && FHintRect.Contains(point));
}

void TiPlotDataCursor::InvalidateNow()
{
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

void TiPlotDataCursor::DoMouseLeft(const TiPlotMouseData &MouseData)
{
    inherited::DoMouseLeft(MouseData);
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    if (!FDataView)
        return;
    const TPoint point(MouseData.X, MouseData.Y);
    // The pixel of the item's position along the line it moves on.
    auto pixelOf = [this](TiOrientation MovesAlong, double Position) {
        return MovesAlong == ioHorizontal ? FDataView->PositionPercentToPixelsX(Position)
                                          : FDataView->PositionPercentToPixelsY(Position);
    };
    if (FHintShowing && FHintRect.Contains(point)) {
        FMouseDownHint = true;
        // A vertically oriented hint slides up and down, a horizontal one sideways.
        const int pixel = pixelOf(FHintOrientation, FHintPosition);
        (FHintOrientation == ioHorizontal ? FMouseDownXPixels : FMouseDownYPixels) = pixel;
        InvalidateNow();
        return;
    }
    // A vertical pointer moves sideways, a horizontal one up and down.
    auto grab = [&](bool &Flag, TiOrientation Orientation, double Position) {
        Flag = true;
        const TiOrientation movesAlong = Orientation == ioVertical ? ioHorizontal : ioVertical;
        (movesAlong == ioHorizontal ? FMouseDownXPixels : FMouseDownYPixels) = pixelOf(movesAlong, Position);
    };
    if (FPointer1Show && FPointer1Rect.Contains(point))
        grab(FMouseDownPointer1, FPointer1Orientation, FPointer1Position);
    else if (FPointer2Show && FPointer2Rect.Contains(point))
        grab(FMouseDownPointer2, FPointer2Orientation, FPointer2Position);
    InvalidateNow();
    UpdateValues();
}

void TiPlotDataCursor::DoMouseMove(const TiPlotMouseData &MouseData)
{
    if (!FDataView || !(FMouseDownHint || FMouseDownPointer1 || FMouseDownPointer2))
        return;
    auto along = [&](bool AlongX) {
        const double percent = AlongX
                                   ? FDataView->PixelsXToPositionPercent(FMouseDownXPixels + MouseData.X - FMouseDownX)
                                   : FDataView->PixelsYToPositionPercent(FMouseDownYPixels + MouseData.Y - FMouseDownY);
        return std::clamp(percent, 0.0, 100.0);
    };
    if (FMouseDownHint)
        FHintPosition = along(FHintOrientation == ioHorizontal);
    else if (FMouseDownPointer1)
        FPointer1Position = along(FPointer1Orientation == ioVertical);
    else
        FPointer2Position = along(FPointer2Orientation == ioVertical);
    UpdateValues();
    InvalidateNow();
}

void TiPlotDataCursor::DoMouseUp(const TiPlotMouseData &MouseData)
{
    if (!(FMouseDownHint || FMouseDownPointer1 || FMouseDownPointer2))
        return;
    if (FMouseDownPointer1)
        SnapPointer(1);
    else if (FMouseDownPointer2)
        SnapPointer(2);
    FMouseDownHint = FMouseDownPointer1 = FMouseDownPointer2 = false;
    InvalidateNow();
    if (FMouseDown && iHitTest(MouseData))
        if (TiPlotHost *host = Host())
            host->DoObjectClick(this);
}

void TiPlotDataCursor::DoGotFocus()
{
    const std::weak_ptr<char> life = Life();
    inherited::DoGotFocus();
    if (life.expired())
        return;
    if (TiPlotChannelCustom *channel = GetChannel())
        channel->SetUserSelected(true);
}

TCursor TiPlotDataCursor::GetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (TiPlotHost *host = Host())
        host->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

// ---- Selection and the plot's objects -----------------------------------------------------------

void TiPlotDataCursor::NotifyRemoved(TObject *AObject)
{
    if (FChannel && static_cast<TObject *>(FChannel) == AObject)
        FChannel = nullptr;
    if (FDataView && static_cast<TObject *>(FDataView) == AObject)
        FDataView = nullptr;
}

void TiPlotDataCursor::NotifyRenamed(TObject *AObject)
{
    auto *channel = dynamic_cast<TiPlotChannelCustom *>(AObject);
    // The cursor keeps its channel under the new name, whether or not a paint has found it yet.
    if (channel && (channel == FChannel || (!IsAllChannels() && SameText(channel->NameOld(), FChannelName)))) {
        FChannel = channel;
        FChannelName = channel->Name();
    }
}

void TiPlotDataCursor::NotifySelected(TObject *AObject)
{
    auto *other = dynamic_cast<TiPlotObject *>(AObject);
    if (!other || other == this || !other->UserSelected())
        return;
    if (auto *channel = dynamic_cast<TiPlotChannelCustom *>(other)) {
        // The cursor follows the channel the user picks.
        if (channel != GetChannel() && FUserSelected)
            SetChannelName(channel->Name());
        return;
    }
    SetUserSelected(false);
}

// ---- Keys ---------------------------------------------------------------------------------------

void TiPlotDataCursor::ClampPositions()
{
    FPointer1Position = std::clamp(FPointer1Position, 0.0, 100.0);
    FPointer2Position = std::clamp(FPointer2Position, 0.0, 100.0);
    FHintPosition = std::clamp(FHintPosition, 0.0, 100.0);
}

void TiPlotDataCursor::iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    const std::weak_ptr<char> life = Life();
    inherited::iKeyDown(CharCode, Shift, PopupMenu);
    if (life.expired() || !FDataView)
        return;
    // Snapping steps from point to point; only strip charts have points in X order to step
    // along, so elsewhere the keys move by pixels as without snapping.
    if (FSnapToDataPoint && OnStripChart())
        MoveBySnapping(CharCode, Shift);
    else
        MovePointersByPixels(CharCode, Shift);
    ClampPositions();
    InvalidateNow();
}

void TiPlotDataCursor::MovePointersByPixels(WORD Key, TShiftState Shift)
{
    // One pixel in percent along X and along Y.
    const double px = std::fabs(FDataView->PixelsXToPositionPercent(101) - FDataView->PixelsXToPositionPercent(100));
    const double py = std::fabs(FDataView->PixelsYToPositionPercent(100) - FDataView->PixelsYToPositionPercent(101));
    // Ctrl moves pointer 2, and nothing while it is hidden; without Ctrl the arrows may move the
    // hint as well as pointer 1.
    const bool ctrl = Shift.Contains(ssCtrl);
    if (ctrl && !FPointer2Show)
        return;
    double &position = PointerPosition(ctrl ? 2 : 1);
    const bool shown = ctrl ? FPointer2Show : FPointer1Show;
    const TiOrientation orientation = ctrl ? FPointer2Orientation : FPointer1Orientation;
    const double page = 5 * (orientation == ioHorizontal ? py : px);
    switch (Key) {
    case VK_PRIOR:
        if (shown)
            position += page;
        break;
    case VK_NEXT:
        if (shown)
            position -= page;
        break;
    case VK_END:
        if (shown)
            position = 100;
        break;
    case VK_HOME:
        if (shown)
            position = 0;
        break;
    case VK_LEFT:
    case VK_RIGHT: {
        const double step = Key == VK_LEFT ? -px : px;
        if (!ctrl && FHintShowing && FHintOrientation == ioHorizontal)
            FHintPosition += step;
        if (shown && orientation == ioVertical)
            position += step;
        break;
    }
    case VK_UP:
    case VK_DOWN: {
        const double step = Key == VK_UP ? py : -py;
        if (!ctrl && FHintShowing && FHintOrientation == ioVertical)
            FHintPosition += step;
        if (shown && orientation == ioHorizontal)
            position += step;
        break;
    }
    default: break;
    }
}

void TiPlotDataCursor::MoveBySnapping(WORD Key, TShiftState Shift)
{
    const bool ctrl = Shift.Contains(ssCtrl);
    if (ctrl && !FPointer2Show)
        return;
    const int which = ctrl ? 2 : 1;
    // With swapped axes the arrows swap roles: up and down step, left and right move the hint.
    const bool reversed = FXYAxesReversed;
    const WORD stepOn = reversed ? VK_UP : VK_RIGHT;
    const WORD stepBack = reversed ? VK_DOWN : VK_LEFT;
    const WORD hintUp = reversed ? VK_RIGHT : VK_UP;
    const WORD hintDown = reversed ? VK_LEFT : VK_DOWN;
    if (Key != VK_PRIOR && Key != VK_NEXT && Key != VK_END && Key != VK_HOME && Key != stepOn && Key != stepBack &&
        Key != hintUp && Key != hintDown)
        return;
    SnapPointer(which);
    const int channel = FSnapToIndexChannel;
    const int index = FSnapToIndexData;
    if (Key == VK_PRIOR)
        MovePointerToPoint(which, channel, index, 5);
    else if (Key == VK_NEXT)
        MovePointerToPoint(which, channel, index, -5);
    else if (Key == VK_END)
        MovePointerToPoint(which, channel, std::numeric_limits<int>::max(), 0);
    else if (Key == VK_HOME)
        MovePointerToPoint(which, channel, 0, 0);
    else if (Key == stepOn)
        MovePointerToPoint(which, channel, index, 1);
    else if (Key == stepBack)
        MovePointerToPoint(which, channel, index, -1);
    else {
        // One pixel along the hint's line.
        const double pixel =
            FHintOrientation == ioHorizontal
                ? std::fabs(FDataView->PixelsXToPositionPercent(101) - FDataView->PixelsXToPositionPercent(100))
                : std::fabs(FDataView->PixelsYToPositionPercent(100) - FDataView->PixelsYToPositionPercent(101));
        FHintPosition += Key == hintUp ? pixel : -pixel;
    }
}

// ---- Snapping -----------------------------------------------------------------------------------

namespace {

// The plot's X axis of a channel, or nullptr.
TiPlotAxis *XAxisOf(const TiPlotMasterManager *Master, const TiPlotChannelCustom *Channel)
{
    if (!Master || !Master->XAxisManager() || !Channel)
        return nullptr;
    return static_cast<TiPlotAxis *>(Master->XAxisManager()->GetObjectByName(Channel->XAxisName()));
}

// The channel's point nearest to X along X, with its distance; -1 for an empty channel or when the
// channel finds no index.
int NearestPoint(TiPlotChannelCustom *Channel, double X, double &Distance)
{
    Distance = 1e300;
    const int count = Channel->Count();
    if (count == 0)
        return -1;
    int best = -1;
    if (X >= Channel->GetX(count - 1))
        best = count - 1;
    else if (X <= Channel->GetX(0))
        best = 0;
    if (best >= 0) {
        Distance = std::fabs(X - Channel->GetX(best));
        return best;
    }
    best = Channel->CalcIndex(X);
    if (best < 0 || best >= count)
        return -1;
    Distance = std::fabs(X - Channel->GetX(best));
    for (const int neighbour : {best - 1, best + 1}) {
        if (neighbour < 0 || neighbour >= count)
            continue;
        const double d = std::fabs(X - Channel->GetX(neighbour));
        if (d < Distance) {
            Distance = d;
            best = neighbour;
        }
    }
    return best;
}

}  // namespace

void TiPlotDataCursor::DoSnapToDataPoint()
{
    SnapPointer(1);
    SnapPointer(2);
}

void TiPlotDataCursor::SnapPointer(int Which)
{
    if (!FSnapToDataPoint || !OnStripChart() || FStyle == ipcsDeltaY)
        return;
    const TiPlotMasterManager *master = PlotMaster();
    const TiPlotChannelManager *channels = master ? master->ChannelManager() : nullptr;
    if (!channels)
        return;
    const double p = PointerPosition(Which);
    if (IsAllChannels()) {
        int bestChannel = -1;
        int bestIndex = -1;
        double bestDistance = 0;
        for (int c = 0; c < channels->Count(); ++c) {
            TiPlotChannelCustom *channel = channels->Items(c);
            const TiPlotAxis *axis = XAxisOf(master, channel);
            if (!axis)
                continue;
            double distance = 0;
            const int index = NearestPoint(channel, axis->PercentToPosition(p / 100), distance);
            if (index >= 0 && (bestChannel < 0 || distance < bestDistance)) {
                bestChannel = c;
                bestIndex = index;
                bestDistance = distance;
            }
        }
        if (bestChannel < 0)
            return;
        FSnapToIndexChannel = bestChannel;
        FSnapToIndexData = bestIndex;
    } else {
        TiPlotChannelCustom *channel = GetChannel();
        const TiPlotAxis *axis = XAxisOf(master, channel);
        if (!axis)
            return;
        double distance = 0;
        const int index = NearestPoint(channel, axis->PercentToPosition(p / 100), distance);
        if (index < 0)
            return;
        FSnapToIndexChannel = channels->GetIndexByName(FChannelName);
        FSnapToIndexData = index;
    }
    MovePointerToPoint(Which, FSnapToIndexChannel, FSnapToIndexData, 0);
}

void TiPlotDataCursor::MovePointerToPoint(int Which, int ChannelIndex, int Index, int Offset)
{
    const TiPlotMasterManager *master = PlotMaster();
    const TiPlotChannelManager *channels = master ? master->ChannelManager() : nullptr;
    if (!channels || ChannelIndex < 0 || ChannelIndex >= channels->Count())
        return;
    TiPlotChannelCustom *channel = channels->Items(ChannelIndex);
    TiPlotAxis *axis = XAxisOf(master, channel);
    if (!axis || channel->Count() == 0)
        return;
    const long long target = static_cast<long long>(Index) + (axis->ReverseScale() ? -Offset : Offset);
    const int i = static_cast<int>(std::clamp<long long>(target, 0, channel->Count() - 1));
    const double x = channel->GetX(i);
    // A point beyond the scale brings the scale to it, 1/40 of the span inside.
    if (x > axis->Max())
        axis->SetMin(x - axis->Span() + axis->Span() / 40);
    else if (x < axis->Min())
        axis->SetMin(x - axis->Span() / 40);
    PointerPosition(Which) = axis->PositionToPercent(x) * 100;
}

// ---- Interpolated values ------------------------------------------------------------------------

TiPlotDataPointStatus TiPlotDataCursor::GetInterpolatedYValue(const QString &AChannelName, double XValue,
                                                              double &YValue)
{
    YValue = 0;
    const TiPlotMasterManager *master = PlotMaster();
    auto *channel = master && master->ChannelManager()
                        ? static_cast<TiPlotChannelCustom *>(master->ChannelManager()->GetObjectByName(AChannelName))
                        : nullptr;
    TiPlotAxis *axis = XAxisOf(master, channel);
    if (!channel || !iIsKindOf(channel, QStringLiteral("TiPlotChannel")) || !axis)
        return ipdpsNull;

    const bool blocked = axis->BlockMinSpanEvents();
    axis->SetBlockMinSpanEvents(true);
    const bool visible = FVisible;
    const TiPlotDataCursorStyle style = FStyle;
    const QString channelName = FChannelName;
    const double pointer1 = FPointer1Position;
    const double axisMin = axis->Min();
    const std::weak_ptr<char> axisLife = axis->Life();
    // Everything goes back as it was, also when the computation fails.
    const TiScopeExit restore([&] {
        SetVisible(visible);
        SetStyle(style);
        SetChannelName(channelName);
        SetPointer1Position(pointer1);
        if (!axisLife.expired()) {
            axis->SetMin(axisMin);
            axis->SetBlockMinSpanEvents(blocked);
        }
    });
    SetVisible(true);
    SetStyle(ipcsValueXY);
    SetChannelName(channel->Name());
    if (FUseCachedInterpolatedData) {
        SetPointer1Position(axis->PositionToPercent(XValue) * 100);
        UpdateValues();
    } else {
        SetPointer1Position(0);
        axis->SetMin(XValue);
        if (TiPlotHost *host = Host())
            host->ReCalcLayout();
    }
    YValue = FValueY;
    return FStatus;
}

// ---- Popup menu ---------------------------------------------------------------------------------

void TiPlotDataCursor::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);

    TiMenuItem *channelMenu = AddObjectMenuItem(PopupMenu, TranslateText(QStringLiteral("Channel")), nullptr);
    if (FChannelAllowAll) {
        TiMenuItem *all = AddObjectMenuItem(
            PopupMenu, TranslateText(AllChannels),
            [this](TiMenuItem *) {
                SetChannelName(AllChannels);
                if (const TiPlotMasterManager *master = PlotMaster(); master && master->ChannelManager())
                    for (int i = 0; i < master->ChannelManager()->Count(); ++i)
                        master->ChannelManager()->Items(i)->SetUserSelected(false);
            },
            channelMenu);
        all->SetChecked(IsAllChannels());
    }
    const TiPlotMasterManager *master = PlotMaster();
    const TiPlotChannelManager *channels = master ? master->ChannelManager() : nullptr;
    for (int i = 0; channels && i < channels->Count(); ++i) {
        TiPlotChannelCustom *channel = channels->Items(i);
        if (!channel->Visible())
            continue;
        QString caption = channel->TitleText();
        caption.remove(u'\r').remove(u'\n');
        TiMenuItem *item = AddObjectMenuItem(
            PopupMenu, caption,
            [this](TiMenuItem *Item) {
                SetChannelName(Item->AString);
                if (TiPlotChannelCustom *picked = GetChannel())
                    picked->SetUserSelected(true);
                DoSnapToDataPoint();
            },
            channelMenu);
        item->AString = channel->Name();
        item->SetChecked(!IsAllChannels() && channel == GetChannel());
    }

    TiMenuItem *styleMenu = AddObjectMenuItem(PopupMenu, TranslateText(QStringLiteral("Style")), nullptr);
    for (const TiPlotDataCursorStyle style :
         {ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX}) {
        TiMenuItem *item = AddObjectMenuItem(
            PopupMenu, TranslateText(FMenuItemCaption[style]), [this, style](TiMenuItem *) { SetStyle(style); },
            styleMenu);
        item->SetVisible(FMenuItemVisible[style]);
        item->SetChecked(FStyle == style);
    }

    if (FMenuUserCanChangeOptions) {
        TiMenuItem *options = AddObjectMenuItem(PopupMenu, TranslateText(QStringLiteral("Options")), nullptr);
        TiMenuItem *useColor = AddObjectMenuItem(
            PopupMenu, TranslateText(QStringLiteral("Use Channel Color")),
            [this](TiMenuItem *) { SetUseChannelColor(!FUseChannelColor); }, options);
        useColor->SetChecked(FUseChannelColor);
        TiMenuItem *hideHint = AddObjectMenuItem(
            PopupMenu, TranslateText(QStringLiteral("Hide Hint On Release")),
            [this](TiMenuItem *) { SetHintHideOnRelease(!FHintHideOnRelease); }, options);
        hideHint->SetChecked(FHintHideOnRelease);
        TiMenuItem *flip = AddObjectMenuItem(
            PopupMenu, TranslateText(QStringLiteral("Flip Alignment")),
            [this](TiMenuItem *) {
                SetHintOrientationSide(FHintOrientationSide == iosBottomRight ? iosTopLeft : iosBottomRight);
            },
            options);
        flip->SetEnabled((FStyle == ipcsValueXY || FStyle == ipcsValueX || FStyle == ipcsValueY) && !IsAllChannels());
    }

    if (!iIsKindOf(FOwner, QStringLiteral("TiXYPlot"))) {
        TiMenuItem *snap =
            AddObjectMenuItem(PopupMenu, TranslateText(QStringLiteral("Snap to Data-Point")), [this](TiMenuItem *) {
                FSnapToDataPoint = !FSnapToDataPoint;
                if (FSnapToDataPoint)
                    DoSnapToDataPoint();
                DoChange();
            });
        snap->SetChecked(FSnapToDataPoint);
    }
    AddEditMenuItem(PopupMenu);
}
