// TiPlotComponent: the mouse, wheel and keys of the plot handed to its objects (the one under the
// mouse, or every selected one), the mouse cursor, the selection, and the plot's own hint window
// with its timing.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/runtime/Exception.h"
#include "plotlib/base/iHelpers.h"

#include <utility>

namespace {

bool IsAxis(const TObject *Object)
{
    return dynamic_cast<const TiPlotAxis *>(Object) != nullptr;
}

// The buttons of legends, tables and toolbars take their press themselves.
bool IsButton(const TObject *Object)
{
    return dynamic_cast<const TiPlotButton *>(Object) != nullptr;
}

bool IsToolBarButton(const TObject *Object)
{
    return iIsKindOf(Object, QStringLiteral("TiPlotToolBarButton"));
}

bool IsDataViewOrLegend(const TObject *Object)
{
    return dynamic_cast<const TiPlotDataView *>(Object) || dynamic_cast<const TiPlotLegend *>(Object);
}

bool IsPlaceholder(const TObject *Object)
{
    return dynamic_cast<const TiPlotDataViewLayout *>(Object) != nullptr;
}

bool ButtonHeld(TShiftState Shift)
{
    return Shift.Contains(ssLeft) || Shift.Contains(ssRight) || Shift.Contains(ssMiddle);
}

}  // namespace

// ---- Hit test -----------------------------------------------------------------------------------

TiPlotMouseData TiPlotComponent::MakeMouseData(int X, int Y) const
{
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    const TPoint screen = ClientToScreen(TPoint(X, Y));
    data.ScreenX = screen.X;
    data.ScreenY = screen.Y;
    const bool reversed = FMaster->XYAxesReverse();
    data.XAxisPixels = reversed ? Y : X;
    data.YAxisPixels = reversed ? X : Y;
    return data;
}

TiPlotObject *TiPlotComponent::HitTestObject(const TiPlotMouseData &MouseData, TiPlotObject **Owner)
{
    const TiPlotObjectManager *objects = FMaster->ObjectManager();
    // Selected objects first, then any object, then the data views and legends that lie under
    // everything else.
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < objects->Count(); ++i) {
            TiPlotObject *object = objects->Items(i);
            if (!object->Enabled() || !object->Visible() || IsPlaceholder(object))
                continue;
            if (IsDataViewOrLegend(object) != (pass == 2))
                continue;
            if (pass == 0 && !object->UserSelected())
                continue;
            if (!object->iHitTest(MouseData))
                continue;
            if (Owner)
                *Owner = object;
            return object->GetMouseOverObject(MouseData.X, MouseData.Y);
        }
    }
    return nullptr;
}

// ---- Mouse --------------------------------------------------------------------------------------

void TiPlotComponent::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TiPlotObjectManager *objects = FMaster->ObjectManager();
    FShiftState = Shift;
    objects->SetShiftState(Shift);
    FMouseDown = true;
    TiPlotMouseData data = MakeMouseData(X, Y);
    data.Button = Button;
    iSetFocusToControl(this);
    HideHint();
    if (Button == mbRight)
        objects->ClearAllUserSelections();

    TiPlotObject *hit = HitTestObject(data);
    FMouseDownObject = hit;
    FLastMouseClickObject = nullptr;
    if (!hit) {
        objects->ClearAllUserSelections();
        return;
    }
    const std::weak_ptr<char> life = hit->Life();
    // Shift adds axes to the selection, Ctrl toggles an axis; meanwhile moves drag nothing.
    if (Shift.Contains(ssShift)) {
        FSelectingActive = IsAxis(hit);
        hit->SetUserSelected(true);
    } else if (Shift.Contains(ssCtrl)) {
        FSelectingActive = IsAxis(hit);
        hit->SetUserSelected(FSelectingActive ? !hit->UserSelected() : true);
    } else if (!dynamic_cast<TiPlotToolBar *>(hit) && hit->CanFocus()) {
        hit->SetUserSelected(true);
    }
    if (life.expired())
        return;
    if (Button == mbRight)
        SetMouseCapture(true);
    const bool takesItItself = Button == mbRight || dynamic_cast<TiPlotAnnotation *>(hit) || IsButton(hit) ||
                               dynamic_cast<TiPlotLimit *>(hit) || !hit->CanFocus();
    if (takesItItself)
        hit->iMouseDown(Button, Shift, X, Y, data.ScreenX, data.ScreenY, FPopupMenu.get());
    else
        objects->MouseDownFocusObjects(Button, Shift, X, Y, data.ScreenX, data.ScreenY, FPopupMenu.get());
}

void TiPlotComponent::iMouseMove(TShiftState Shift, int X, int Y)
{
    if (IsDesigning() || FSelectingActive)
        return;
    try {
        // Outside the control with no button down: the hint's capture has done its work.
        if ((X < 0 || Y < 0 || X >= Width() || Y >= Height()) && !ButtonHeld(Shift) && MouseCapture())
            SetMouseCapture(false);
        TiPlotObjectManager *objects = FMaster->ObjectManager();
        FShiftState = Shift;
        objects->SetShiftState(Shift);
        const TiPlotMouseData data = MakeMouseData(X, Y);

        if ((Shift.Contains(ssLeft) || Shift.Contains(ssRight)) && FMouseDownObject) {
            TiHintData ignored;
            if (dynamic_cast<TiPlotAnnotation *>(FMouseDownObject) || dynamic_cast<TiPlotToolBar *>(FMouseDownObject) ||
                !FMouseDownObject->CanFocus())
                FMouseDownObject->iMouseMove(ignored, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive);
            else
                objects->MouseMoveFocusObjects(ignored, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive);
            SetCursor(crDefault);
            return;
        }
        // A drag whose release never came ends here.
        if (FMouseDownObject) {
            FMouseDownObject->iMouseUp(mbLeft, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive,
                                       FPopupMenu.get());
            objects->MouseUpFocusObjects(mbLeft, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive,
                                         FPopupMenu.get());
            FMouseDownObject = nullptr;
        }

        TiPlotObject *owner = nullptr;
        TiPlotObject *hit = HitTestObject(data, &owner);
        if (FLastMouseOverObject && FLastMouseOverObject != hit) {
            TiPlotObject *left = std::exchange(FLastMouseOverObject, nullptr);
            left->DoMouseNotOver();
        }
        if (!hit) {
            SetCursor(crDefault);
            return;
        }
        const std::weak_ptr<char> life = hit->Life();
        SetCursor(hit->GetMouseCursor(TPoint(X, Y)));
        TiHintData request;
        hit->iMouseMove(request, Shift, X, Y, data.ScreenX, data.ScreenY, FDBLClickActive);
        if (life.expired())
            return;
        if (FHintsShow)
            UpdateHint(hit, owner, request, Shift, X, Y);
        FLastMouseOverObject = hit;
    } catch (const Exception &) {
        // A failing object must not take the control's input down with it.
    }
}

void TiPlotComponent::iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (IsDesigning())
        return;
    TiPlotObjectManager *objects = FMaster->ObjectManager();
    FMouseDown = false;
    FShiftState = Shift;
    objects->SetShiftState(Shift);
    HideHint();
    FSelectingActive = false;
    const bool doubleClick = FDBLClickActive;
    const TPoint screen = ClientToScreen(TPoint(X, Y));
    if (FMouseDownObject)
        FMouseDownObject->iMouseUp(Button, Shift, X, Y, screen.X, screen.Y, doubleClick, FPopupMenu.get());
    objects->MouseUpFocusObjects(Button, Shift, X, Y, screen.X, screen.Y, doubleClick, FPopupMenu.get());
    FLastMouseClickObject = FMouseDownObject;
    FLastMouseClickButton = Button;
    FLastMouseClickShift = Shift;
    FLastMouseClickPoint = TPoint(X, Y);
    FLastMouseClickScreenPoint = screen;
    FMouseDownObject = nullptr;
    FDBLClickActive = false;
}

void TiPlotComponent::iDoubleClick()
{
    // The press and the release that follow belong to a double click.
    FDBLClickActive = true;
}

bool TiPlotComponent::iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    FMaster->ObjectManager()->MouseWheelFocusObjects(WheelDelta, Shift, MousePos);
    return true;
}

// ---- Keys ---------------------------------------------------------------------------------------

void TiPlotComponent::iWantSpecialKey(WORD &CharCode, LRESULT &Result)
{
    if (CharCode >= VK_LEFT && CharCode <= VK_DOWN)
        Result = 1;
}

void TiPlotComponent::iKeyDown(WORD &Key, TShiftState Shift)
{
    FMaster->ObjectManager()->KeyDownFocusObjects(Key, Shift, FPopupMenu.get());
}

// ---- Hint ---------------------------------------------------------------------------------------

void TiPlotComponent::UpdateHint(TiPlotObject *Object, TiPlotObject *Owner, const TiHintData &Request,
                                 TShiftState Shift, int X, int Y)
{
    FHintData.Text = Request.Text;
    FHintData.Left = Request.Left;
    FHintData.Top = Request.Top;
    FHintData.Width = Request.Width;
    FHintData.Height = Request.Height;
    if (ButtonHeld(Shift)) {
        HideHint();
    } else if (!Request.Text.isEmpty()) {
        const bool lastKeepsShowing = FLastHintObject && (IsToolBarButton(FLastHintObject) ||
                                                          dynamic_cast<TiPlotChannelCustom *>(FLastHintObject));
        if (FLastHintObject && FLastHintObject != Object && !IsToolBarButton(FLastHintObject)) {
            // Another object asks: its hint comes after a pause of its own.
            HideHint();
            FLastHintObject = nullptr;
            FLastHintOwner = nullptr;
        } else if (TimerActive() && FHintData.Visible && lastKeepsShowing) {
            RestartHintTimer(FHintsHidePause);
        } else if (TimerActive() && FHintData.Visible) {
            HideHint();
        } else if (!TimerActive()) {
            if (!FLastHintShowRect.Contains(TPoint(X, Y)) && Object != FLastHintObject) {
                FLastHintX = X;
                FLastHintY = Y;
                FLastHintObject = Object;
                FLastHintOwner = Owner;
                TimerStart(0, FHintsPause);
            }
        } else {
            RestartHintTimer(FHintsPause);
        }
    } else {
        HideHint();
        FLastHintObject = nullptr;
        FLastHintOwner = nullptr;
        FLastHintShowRect = TRect();
    }
    // A visible hint follows the request.
    if (FHintData.Visible)
        DoRepaint();
}

void TiPlotComponent::HideHint()
{
    TimerStop();
    FHintData.Visible = false;
    if (FHintShowing)
        DoRepaint();
}

void TiPlotComponent::RestartHintTimer(int Delay)
{
    TimerStop();
    TimerStart(0, Delay);
}

void TiPlotComponent::HintTimer(TObject *)
{
    TimerStop();
    if (FHintData.Visible) {
        FHintData.Visible = false;
        if (MouseCapture())
            SetMouseCapture(false);
    } else {
        FHintData.Visible = true;
        FLastHintShowRect = TRect(FLastHintX - 3, FLastHintY - 3, FLastHintX + 3, FLastHintY + 3);
        TimerStart(0, FHintsHidePause);
        // Leaving the control is noticed while the hint shows.
        SetMouseCapture(true);
    }
    DoRepaint();
}

void TiPlotComponent::ForgetHintObject(const TObject *Object)
{
    const bool hinted = (FLastHintObject && static_cast<const TObject *>(FLastHintObject) == Object) ||
                        (FLastHintOwner && static_cast<const TObject *>(FLastHintOwner) == Object);
    if (!hinted)
        return;
    HideHint();
    FLastHintObject = nullptr;
    FLastHintOwner = nullptr;
}

void TiPlotComponent::WMCaptureChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    FCaptureWindowHandle = reinterpret_cast<TControl *>(m.LParam);
    if (FCaptureWindowHandle == this)
        return;
    const bool onScreen = FHintShowing;
    HideHint();
    FJustReleasedCapture = true;
    if (onScreen)
        DoRepaint();
    if (TiPlotObject *left = std::exchange(FLastMouseOverObject, nullptr))
        left->DoMouseNotOver();
}
