#include "plotlib/plot/iPlotObjects.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/ClassRegistry.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/IntervalTimer.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/Menus.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotTranslation.h"

#include <algorithm>
#include <cmath>

T_IMPLEMENT_CLASS(TiPlotObject)
{
    b.Str("Name", &TiPlotObject::Name, &TiPlotObject::SetName);
    b.Bool("Visible", &TiPlotObject::Visible, &TiPlotObject::SetVisible).Default(true);
    b.Bool("Enabled", &TiPlotObject::Enabled, &TiPlotObject::SetEnabled).Default(true);
    b.Int("Layer", &TiPlotObject::Layer, &TiPlotObject::SetLayer).Default(100);
    b.Bool("PopupEnabled", &TiPlotObject::PopupEnabled, &TiPlotObject::SetPopupEnabled).Default(true);
    b.Bool("CanFocus", &TiPlotObject::CanFocus, &TiPlotObject::SetCanFocus).Default(true);
}

T_IMPLEMENT_CLASS(TiPlotManagerObject) {}

T_IMPLEMENT_CLASS(TiPlotLayoutObject)
{
    b.Bool("Horizontal", &TiPlotLayoutObject::Horizontal, &TiPlotLayoutObject::SetHorizontal);
    b.Int("ZOrder", &TiPlotLayoutObject::ZOrder, &TiPlotLayoutObject::SetZOrder);
    b.Float("StartPercent", &TiPlotLayoutObject::StartPercent, &TiPlotLayoutObject::SetStartPercent);
    b.Float("StopPercent", &TiPlotLayoutObject::StopPercent, &TiPlotLayoutObject::SetStopPercent);
}

T_IMPLEMENT_CLASS(TiPlotButton) {}

T_IMPLEMENT_CLASS(TiMenuItem) {}

namespace {

// Text of a number left-padded with "0" to at least `width` characters.
QString PaddedKey(long long value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

bool PointInRect(int X, int Y, int Left, int Top, int Right, int Bottom)
{
    return X >= Left && X < Right && Y >= Top && Y < Bottom;
}

constexpr WORD AppsKey = 93;
constexpr WORD F10Key = 121;
constexpr unsigned RepeatFirstDelay = 500;
constexpr unsigned RepeatInterval = 50;

}  // namespace

// ---- TiPlotObject: life -------------------------------------------------------------------------

TiPlotObject::TiPlotObject(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : OnChange(std::move(AOnChange)), OnRemove(std::move(AOnRemove)), OnInsert(std::move(AOnInsert)),
      OnRename(std::move(AOnRename)), FOwner(AOwner)
{}

TiPlotObject::~TiPlotObject()
{
    AnnounceRemoval();
    for (TiMenuItem *item : FMenuItems) {
        item->FPlotObject = nullptr;
        item->FObjectClick = nullptr;
    }
}

void TiPlotObject::Free()
{
    AnnounceRemoval();
    delete this;
}

void TiPlotObject::AnnounceRemoval()
{
    if (FRemovalAnnounced)
        return;
    FRemovalAnnounced = true;
    if (OnRemove)
        OnRemove(this);
    DoLayoutChange();
}

void TiPlotObject::DoInsert()
{
    if (OnInsert)
        OnInsert(this);
}

// ---- TiPlotObject: properties -------------------------------------------------------------------

void TiPlotObject::SetName(const QString &Value)
{
    if (FName == Value)
        return;
    FNameOld = FName;
    FName = Value;
    if (OnRename)
        OnRename(this);
    DoChange();
}

void TiPlotObject::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    DoChange();
}

void TiPlotObject::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    if (!FEnabled) {
        FMouseDown = false;
        SetUserSelected(false);
    }
    DoChange();
}

void TiPlotObject::SetLayer(int Value)
{
    if (FLayer == Value)
        return;
    FLayer = Value;
    DoChange();
}

void TiPlotObject::SetPopupEnabled(bool Value)
{
    if (FPopupEnabled == Value)
        return;
    FPopupEnabled = Value;
    DoChange();
}

void TiPlotObject::SetCanFocus(bool Value)
{
    if (FCanFocus == Value)
        return;
    FCanFocus = Value;
    DoChange();
}

void TiPlotObject::SetUserSelected(bool Value)
{
    if (FUserSelected == Value)
        return;
    FUserSelected = Value;
    if (OnInvalidateNow)
        OnInvalidateNow(this);
    if (!FUserSelected) {
        DoLostFocus();
        return;
    }
    if (OnSetFocus)
        OnSetFocus(this);
    DoGotFocus();
}

void TiPlotObject::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TiPlotObject::DoLayoutChange()
{
    if (OnLayoutChange)
        OnLayoutChange(this);
    DoChange();
}

void TiPlotObject::NotifyRemoved(TObject *) {}

void TiPlotObject::NotifyRenamed(TObject *) {}

void TiPlotObject::NotifySelected(TObject *) {}

void TiPlotObject::UpdateCanDraw(TCanvas *)
{
    FCanDraw = true;
}

void TiPlotObject::Draw(TCanvas *, TColor) {}

QString TiPlotObject::GetLayerKey() const
{
    return PaddedKey(FLayer, 6);
}

TiPlotHost *TiPlotObject::Host() const
{
    // The owner never changes; an owner that is not (or not yet) a plot control is asked again.
    if (!FHost)
        FHost = dynamic_cast<TiPlotHost *>(FOwner);
    return FHost;
}

TiPlotMasterManager *TiPlotObject::PlotMaster() const
{
    const TiPlotHost *host = Host();
    return host ? host->GetMasterManager() : nullptr;
}

QString TiPlotObject::TranslateText(const QString &Text) const
{
    TiPlotHost *host = Host();
    TiPlotTranslationManager *translations = host ? host->GetTranslationManager() : nullptr;
    return translations ? translations->FindReplacement(Text) : Text;
}

// ---- TiPlotObject: input ------------------------------------------------------------------------

TiPlotMouseData TiPlotObject::MakeMouseData(int X, int Y, int ScreenX, int ScreenY) const
{
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    data.ScreenX = ScreenX;
    data.ScreenY = ScreenY;
    data.XAxisPixels = FXYAxesReversed ? Y : X;
    data.YAxisPixels = FXYAxesReversed ? X : Y;
    return data;
}

void TiPlotObject::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                              TPopupMenu *)
{
    if (!FEnabled)
        return;
    TiPlotMouseData data = MakeMouseData(X, Y, ScreenX, ScreenY);
    data.Button = Button;
    data.Shift = Shift;
    FMouseDownPopup = false;
    const std::weak_ptr<char> life = Life();
    switch (Button) {
    case mbRight:
        FMouseDownPopup = FPopupEnabled;
        FMouseDown = true;
        DoMouseRight(data);
        break;
    case mbLeft:
        FMouseDown = true;
        DoMouseLeft(data);
        break;
    case mbMiddle: break;
    }
    if (life.expired())
        return;
    if (iHitTest(data))
        if (TiPlotHost *host = Host())
            host->DoObjectMouseDown(this, Button, Shift, X, Y);
}

void TiPlotObject::iMouseMove(TiHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                              bool DblClickActive)
{
    TiPlotMouseData data = MakeMouseData(X, Y, ScreenX, ScreenY);
    data.Shift = Shift;
    data.DblClickActive = DblClickActive;
    const std::weak_ptr<char> life = Life();
    if (FMouseDown)
        DoMouseMove(data);
    else
        DoMouseHint(data, HintData);
    if (life.expired())
        return;
    if (iHitTest(data))
        if (TiPlotHost *host = Host())
            host->DoObjectMouseMove(this, Shift, X, Y);
}

void TiPlotObject::iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive, TPopupMenu *PopupMenu)
{
    TiPlotMouseData data = MakeMouseData(X, Y, ScreenX, ScreenY);
    data.Button = Button;
    data.Shift = Shift;
    data.DblClickActive = DblClickActive;
    const std::weak_ptr<char> life = Life();
    if (FMouseDownPopup && iHitTest(data)) {
        bool cancel = false;
        if (TiPlotHost *host = Host())
            host->DoObjectPopupMenu(this, cancel, ScreenX, ScreenY);
        if (life.expired())
            return;
        if (!cancel)
            ShowPopupMenu(PopupMenu, ScreenX, ScreenY);
        // The menu's choice may have freed the object.
        if (life.expired())
            return;
    }
    FMouseDownPopup = false;
    DoMouseUp(data);
    if (life.expired() || !FMouseDown)
        return;
    FMouseDown = false;
    if (TiPlotHost *host = Host())
        host->DoObjectMouseUp(this, Button, Shift, X, Y);
}

bool TiPlotObject::iHitTest(const TiPlotMouseData &)
{
    return false;
}

bool TiPlotObject::iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    const std::weak_ptr<char> life = Life();
    const bool handled = DoMouseWheel(WheelDelta, Shift, MousePos.X, MousePos.Y);
    if (!life.expired())
        if (TiPlotHost *host = Host())
            host->DoObjectMouseWheel(this, WheelDelta, Shift, MousePos.X, MousePos.Y);
    return handled;
}

void TiPlotObject::iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    const bool popupKey = (CharCode == F10Key && Shift.Contains(ssShift)) || CharCode == AppsKey;
    if (!popupKey || !FPopupEnabled)
        return;
    const std::weak_ptr<char> life = Life();
    bool cancel = false;
    if (TiPlotHost *host = Host())
        host->DoObjectPopupMenu(this, cancel, 0, 0);
    if (life.expired() || cancel)
        return;
    TPoint point;
    if (!GetKeyPopupPoint(point))
        return;
    const TPoint screen = FOwner ? FOwner->ClientToScreen(point) : point;
    ShowPopupMenu(PopupMenu, screen.X, screen.Y);
}

bool TiPlotObject::GetKeyPopupPoint(TPoint &)
{
    return false;
}

void TiPlotObject::ShowPopupMenu(TPopupMenu *PopupMenu, int ScreenX, int ScreenY)
{
    if (!PopupMenu)
        return;
    AddMenuItems(PopupMenu);
    PopupMenu->Popup(ScreenX, ScreenY);
}

bool TiPlotObject::HitTest(int X, int Y)
{
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    return iHitTest(data);
}

void TiPlotObject::DoMouseHint(const TiPlotMouseData &, TiHintData &) {}

void TiPlotObject::DoMouseLeft(const TiPlotMouseData &) {}

void TiPlotObject::DoMouseRight(const TiPlotMouseData &) {}

void TiPlotObject::DoMouseMove(const TiPlotMouseData &) {}

void TiPlotObject::DoMouseUp(const TiPlotMouseData &) {}

bool TiPlotObject::DoMouseWheel(int, TShiftState, int, int)
{
    return false;
}

void TiPlotObject::DoGotFocus()
{
    if (TiPlotHost *host = Host())
        host->DoObjectGotFocus(this);
}

void TiPlotObject::DoLostFocus()
{
    if (TiPlotHost *host = Host())
        host->DoObjectLostFocus(this);
}

void TiPlotObject::DoMouseNotOver() {}

TiPlotObject *TiPlotObject::GetMouseOverObject(int, int)
{
    FMouseOverObject = this;
    return this;
}

TCursor TiPlotObject::GetMouseCursor(TPoint Point)
{
    if (!FMouseOverObject) {
        FMouseOverObject = this;
        return crDefault;
    }
    if (FMouseOverObject == this)
        return crDefault;
    return FMouseOverObject->GetMouseCursor(Point);
}

// ---- TiPlotObject: popup menu -------------------------------------------------------------------

void TiPlotObject::AddMenuItems(TPopupMenu *PopupMenu)
{
    TMenuItem *root = PopupMenu->Items();
    for (int i = root->Count() - 1; i >= 0; --i)
        delete root->Items(i);
}

void TiPlotObject::DoEditMenuItemClick()
{
    // A copy: the handler may free this object.
    if (const TNotifyEvent edit = OnEdit)
        edit(this);
}

void TiPlotObject::AddEditMenuItem(TPopupMenu *PopupMenu)
{
    if (!FUserCanEdit)
        return;
    AddObjectMenuItem(PopupMenu, TranslateText(QStringLiteral("Edit...")),
                      [this](TiMenuItem *) { DoEditMenuItemClick(); });
}

TiMenuItem *TiPlotObject::AddObjectMenuItem(TPopupMenu *PopupMenu, const QString &Caption,
                                            std::function<void(TiMenuItem *)> Click, TMenuItem *Parent, int Index)
{
    auto *item = new TiMenuItem(PopupMenu);
    item->SetCaption(Caption);
    item->SetVisible(true);
    item->FPlotObject = this;
    item->FObjectClick = std::move(Click);
    FMenuItems.push_back(item);
    TMenuItem *parent = Parent ? Parent : PopupMenu->Items();
    if (Index < 0)
        parent->Add(item);
    else
        parent->Insert(Index, item);
    return item;
}

// ---- TiMenuItem ---------------------------------------------------------------------------------

TiMenuItem::TiMenuItem(TComponent *AOwner) : TMenuItem(AOwner)
{
    OnClick = TNotifyEvent(this, &TiMenuItem::ObjectClick);
}

TiMenuItem::~TiMenuItem()
{
    if (FPlotObject)
        std::erase(FPlotObject->FMenuItems, this);
}

void TiMenuItem::ObjectClick(TObject *)
{
    if (!FPlotObject || !FObjectClick)
        return;
    // A copy: the step may free the object, which disarms this item.
    const std::function<void(TiMenuItem *)> click = FObjectClick;
    click(this);
}

// ---- TiPlotManagerObject ------------------------------------------------------------------------

bool iIsKindOf(const TObject *Object, const QString &ClassName)
{
    const TClassInfo *cls = GetClass(ClassName);
    return Object && cls && Object->InheritsFrom(*cls);
}

TWinControl *iCheckPlotOwner(TWinControl *AOwner, const QString &OwnerMessage, const TNotifyEvent &AOnChange,
                             const TNotifyEvent &AOnInsert, const TNotifyEvent &AOnRemove, const TNotifyEvent &AOnRename)
{
    if (!AOwner)
        throw Exception(OwnerMessage);
    if (!AOnChange)
        throw Exception(QStringLiteral("OnChange event handler can not be null"));
    if (!AOnInsert)
        throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!AOnRemove)
        throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    if (!AOnRename)
        throw Exception(QStringLiteral("AOnRename event handler can not be null"));
    return AOwner;
}

TiPlotManagerObject::TiPlotManagerObject(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    // Copies, not moves: the checks must see the notifications whatever the order of evaluation.
    : TiPlotObject(iCheckPlotOwner(AOwner, QStringLiteral("Owner must be assigned"), AOnChange, AOnInsert, AOnRemove,
                                   AOnRename),
                   AOnChange, AOnInsert, AOnRemove, AOnRename)
{}

// ---- TiPlotLayoutObject -------------------------------------------------------------------------

TiPlotLayoutObject::TiPlotLayoutObject(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                       TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename))
{}

TiPlotLayoutObject::~TiPlotLayoutObject()
{
    // The layout manager reads the band of a layout object that leaves: announce it while it is one.
    AnnounceRemoval();
}

void TiPlotLayoutObject::SetStartPercent(double Value)
{
    Value = std::clamp(Value, 0.0, 100.0);
    if (FStopPercent - Value < 1) {
        FStopPercent = Value + 1;
        if (FStopPercent > 100) {
            FStopPercent = 100;
            Value = 99;
        }
    }
    if (FStartPercent == Value)
        return;
    FStartPercent = Value;
    DoChange();
}

void TiPlotLayoutObject::SetStopPercent(double Value)
{
    Value = std::clamp(Value, 0.0, 100.0);
    if (Value - FStartPercent < 1) {
        FStartPercent = Value - 1;
        if (FStartPercent < 0) {
            FStartPercent = 0;
            Value = 1;
        }
    }
    if (FStopPercent == Value)
        return;
    FStopPercent = Value;
    DoChange();
}

void TiPlotLayoutObject::SetStartStopPercent(double Start, double Stop)
{
    FStartPercent = Start;
    FStopPercent = Stop;
    DoChange();
}

void TiPlotLayoutObject::SetZOrder(int Value)
{
    if (FZOrder == Value)
        return;
    FZOrder = Value;
    DoLayoutChange();
}

void TiPlotLayoutObject::SetHorizontal(bool Value)
{
    if (FHorizontal == Value)
        return;
    FHorizontal = Value;
    DoLayoutChange();
}

void TiPlotLayoutObject::SetReverseSide(bool Value)
{
    if (FReverseSide == Value)
        return;
    FReverseSide = Value;
    DoChange();
}

void TiPlotLayoutObject::SetForceStacking(bool Value)
{
    if (FForceStacking == Value)
        return;
    FForceStacking = Value;
    DoLayoutChange();
}

void TiPlotLayoutObject::SetDrawRect(const TRect &Value)
{
    FLeft = Value.Left;
    FTop = Value.Top;
    FRight = Value.Right;
    FBottom = Value.Bottom;
}

void TiPlotLayoutObject::SetLayoutRect(const TRect &Value)
{
    FLayoutLeft = Value.Left;
    FLayoutTop = Value.Top;
    FLayoutRight = Value.Right;
    FLayoutBottom = Value.Bottom;
}

int TiPlotLayoutObject::GetRequiredWidth(TCanvas *)
{
    return 0;
}

int TiPlotLayoutObject::GetRequiredLengthMargin(TCanvas *)
{
    return 0;
}

bool TiPlotLayoutObject::iHitTest(const TiPlotMouseData &MouseData)
{
    return PointInRect(MouseData.X, MouseData.Y, FLeft, FTop, FRight, FBottom);
}

void TiPlotLayoutObject::DoInsert()
{
    inherited::DoInsert();
    if (OnLayoutChange)
        OnLayoutChange(this);
}

bool TiPlotLayoutObject::GetKeyPopupPoint(TPoint &Point)
{
    Point = TPoint((FLeft + FRight) / 2, (FTop + FBottom) / 2);
    return true;
}

QString TiPlotLayoutObject::GetZOrderKey() const
{
    return PaddedKey(FZOrder, 3);
}

QString TiPlotLayoutObject::GetStartKey() const
{
    return PaddedKey(static_cast<long long>(std::nearbyint(FStartPercent)), 3);
}

// ---- TiPlotButton -------------------------------------------------------------------------------

TiPlotButton::~TiPlotButton()
{
    FreeTimer();
}

void TiPlotButton::FreeTimer()
{
    FTimer.reset();
}

bool TiPlotButton::Repeating() const
{
    return FTimer && FTimer->Active();
}

void TiPlotButton::SetDrawRect(const TRect &Value)
{
    FLeft = Value.Left;
    FTop = Value.Top;
    FRight = Value.Right;
    FBottom = Value.Bottom;
}

void TiPlotButton::SetDown(bool Value)
{
    if (FDown == Value)
        return;
    FDown = Value;
    const std::weak_ptr<char> life = Life();
    if (OnInvalidate)
        OnInvalidate(this);
    if (!life.expired() && OnDownChange)
        OnDownChange(this);
}

void TiPlotButton::SetEnabled(bool Value)
{
    inherited::SetEnabled(Value);
    if (!FEnabled)
        FreeTimer();
}

void TiPlotButton::DoMouseLeft(const TiPlotMouseData &)
{
    if (FTimerEnabled) {
        if (!FTimer)
            FTimer = std::make_unique<TIntervalTimer>([this] { TimerTick(); });
        FTimer->Stop();
        FTimer->Start(RepeatFirstDelay, RepeatInterval);
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

void TiPlotButton::DoMouseMove(const TiPlotMouseData &) {}

void TiPlotButton::DoMouseUp(const TiPlotMouseData &MouseData)
{
    if (!FMouseDown)
        return;
    FMouseDown = false;
    FreeTimer();
    const std::weak_ptr<char> life = Life();
    if (OnInvalidate)
        OnInvalidate(this);
    if (life.expired() || !PointInRect(MouseData.X, MouseData.Y, FLeft, FTop, FRight, FBottom))
        return;
    // Copies: a handler may free this button.
    if (const TNotifyEvent groupClick = OnGroupClick; FGroupIndex != 0 && groupClick)
        groupClick(this);
    if (life.expired())
        return;
    if (const TNotifyEvent click = OnClick)
        click(this);
}

void TiPlotObject::YieldSelectionTo(TObject *AObject)
{
    auto *other = dynamic_cast<TiPlotObject *>(AObject);
    if (other && other != this && other->UserSelected() && FUserSelected)
        SetUserSelected(false);
}

void TiPlotLayoutObject::ClickWhenReleasedInside(const TiPlotMouseData &MouseData)
{
    if (FMouseDown && PointInRect(MouseData.X, MouseData.Y, FLeft, FTop, FRight, FBottom))
        if (TiPlotHost *host = Host())
            host->DoObjectClick(this);
}

void TiPlotButton::DrawScrollFace(TCanvas *Canvas)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(DrawRect());
    iDrawEdge(Canvas, DrawRect(), FMouseDown ? iEdgeSunken : iEdgeRaised);
}

void TiPlotButton::DrawScrollArrow(TCanvas *Canvas, bool Up)
{
    const int cx = (FLeft + FRight) / 2;
    const int cy = (FTop + FBottom) / 2;
    const TColor arrow = FEnabled ? clBlack : 0x808080;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(arrow);
    Canvas->Pen()->SetColor(arrow);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    const int d = Up ? 1 : -1;
    const TPoint points[3] = {TPoint(cx - 4, cy + 2 * d), TPoint(cx + 4, cy + 2 * d), TPoint(cx, cy - 2 * d)};
    Canvas->Polygon(points, 3);
}

void TiPlotButton::TimerTick()
{
    const std::weak_ptr<char> life = Life();
    // A copy: the handler may free this button.
    if (const TNotifyEvent click = OnClick)
        click(this);
    if (!life.expired() && OnInvalidate)
        OnInvalidate(this);
}
