#pragma once
// What a plot object asks of the plot control that owns it: the plot events of the object's kind
// (the control finds the kind and the object's index in its manager and fires the matching event,
// or nothing while it loads), the forwarding of one axis's user input to the other axes of its
// kind, its translation list and its three image lists. The plot control implements it; tests put
// a small control in its place. An object whose owner does not implement it reports nothing,
// translates nothing and sees no image lists. The reports beyond the mouse, popup and focus ones
// do nothing unless the owner overrides them. GUI thread.

#include "platform/runtime/Events.h"
#include "plotlib/objects/iPlotToolBar.h"

class TCustomImageList;
class TiPlotAnnotation;
class TiPlotMasterManager;
class TiPlotAxis;
class TiPlotChannelCustom;
class TiPlotDataCursor;
class TiPlotLimit;
class TiPlotObject;
class TiPlotTranslationManager;

class TiPlotHost {
public:
    // ---- Input on any object ----
    virtual void DoObjectMouseDown(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseMove(TiPlotObject *Object, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseUp(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseWheel(TiPlotObject *Object, int WheelDelta, TShiftState Shift, int X, int Y) = 0;
    // The handler may set Cancel to keep the object's popup menu from being filled and shown.
    virtual void DoObjectPopupMenu(TiPlotObject *Object, bool &Cancel, int ScreenX, int ScreenY) = 0;
    virtual void DoObjectGotFocus(TiPlotObject *Object) = 0;
    virtual void DoObjectLostFocus(TiPlotObject *Object) = 0;
    // A click, or the double click while the plot registers one (which it then forgets).
    virtual void DoObjectClick(TiPlotObject *) {}
    // The handler may change the cursor.
    virtual void DoObjectGetMouseCursor(TiPlotObject *, TCursor &) {}

    // ---- Axes ----
    virtual void DoAxisMinChange(TiPlotAxis *, double /*OldValue*/, double /*NewValue*/) {}
    virtual void DoAxisSpanChange(TiPlotAxis *, double /*OldValue*/, double /*NewValue*/) {}
    virtual void DoAxisMinSpanChange(TiPlotAxis *, double /*OldMin*/, double /*OldSpan*/, double /*NewMin*/,
                                     double /*NewSpan*/)
    {}
    // A user's scroll or zoom of the axis ended.
    virtual void DoAxisMinSpanChangeFinished(TiPlotAxis *, double /*OldMin*/, double /*OldSpan*/, double /*NewMin*/,
                                             double /*NewSpan*/)
    {}
    // The label event may change Text.
    virtual void DoAxisCustomizeLabel(TiPlotAxis *, QString & /*Text*/, double /*Value*/) {}
    virtual void DoAxisCustomizeHint(TiPlotAxis *, TiHintData &) {}
    // The other axes of the axis's kind take the same input (they do not pass it on again).
    virtual void ForwardAxisMouseLeft(TiPlotAxis *, const TiPlotMouseData &) {}
    virtual void ForwardAxisMouseMove(TiPlotAxis *, const TiPlotMouseData &) {}
    virtual void ForwardAxisMouseUp(TiPlotAxis *, const TiPlotMouseData &) {}
    virtual void ForwardAxisMouseWheel(TiPlotAxis *, int /*WheelDelta*/, TShiftState, int /*X*/, int /*Y*/) {}
    virtual void ForwardAxisKeyDown(TiPlotAxis *, WORD & /*CharCode*/, TShiftState) {}

    // ---- Data cursors, data points, toolbars, annotations, limits ----
    virtual void DoDataCursorCustomizeHint(TiPlotDataCursor *, QString & /*Text*/) {}
    virtual void DoBeforeDataCursorUpdate(TiPlotDataCursor *) {}
    // The cursor's value, value status or text changed.
    virtual void DoDataCursorChange(TiPlotDataCursor *) {}
    virtual void DoDataPointCustomizeHint(TiPlotChannelCustom *, int /*DataIndex*/, TiHintData &) {}
    virtual void DoDataPointClick(TiPlotChannelCustom *, int /*DataIndex*/) {}
    virtual void DoDataPointMouseDown(TiPlotChannelCustom *, int /*DataIndex*/, const TiPlotMouseData &) {}
    virtual void DoDataPointMouseMove(TiPlotChannelCustom *, int /*DataIndex*/, const TiPlotMouseData &) {}
    virtual void DoDataPointMouseUp(TiPlotChannelCustom *, int /*DataIndex*/, const TiPlotMouseData &) {}
    virtual void DoDataPointMoved(TiPlotChannelCustom *, int /*DataIndex*/, double /*OldX*/, double /*OldY*/,
                                  double /*NewX*/, double /*NewY*/)
    {}
    virtual void DoToolBarCustomizeHint(TiPlotToolBar *, TiHintData &) {}
    virtual void DoToolBarButtonClick(TiPlotToolBar *, TiPlotToolBarButtonType) {}
    // The handler may set Cancel to stop the button's command.
    virtual void DoBeforeToolBarButtonClick(TiPlotToolBar *, TiPlotToolBarButtonType, bool & /*Cancel*/) {}
    virtual void DoAnnotationCoordinatesChange(TiPlotAnnotation *) {}
    virtual void DoAnnotationMoveUser(TiPlotAnnotation *) {}
    virtual void DoAnnotationResizeUser(TiPlotAnnotation *) {}
    virtual void DoAnnotationCoordinatesChangeFinished(TiPlotAnnotation *) {}
    virtual void DoLimitLine1PositionChange(TiPlotLimit *, double /*OldValue*/, double /*NewValue*/) {}
    virtual void DoLimitLine2PositionChange(TiPlotLimit *, double /*OldValue*/, double /*NewValue*/) {}
    // Before the data view zooms its axes to a dragged box; the handler may change the box or set
    // Cancel.
    virtual void DoBeforeZoomBox(TRect & /*ZoomRect*/, bool & /*Cancel*/) {}

    // ---- Cartesian axes inside the data view, during one paint ----
    // Takes a rectangle (a scale line or a tick) that labels must keep clear of.
    virtual void AddCollisionRect(const TRect &) {}
    // Takes a label's rectangle when it lies inside data view 0 and overlaps nothing taken; false
    // refuses it (the label is not drawn).
    virtual bool TryReserveLabelRect(const TRect &) { return true; }

    // ---- What the plot lends its objects ----
    // The objects of the plot (axes, channels, data views ... by manager); nullptr without.
    virtual TiPlotMasterManager *GetMasterManager() const { return nullptr; }
    // Lays the plot out (and has its objects compute what a paint computes) off the screen.
    virtual void ReCalcLayout() {}
    // nullptr while the plot has none (during its construction and destruction).
    virtual TiPlotTranslationManager *GetTranslationManager() const = 0;
    // Image list 0, 1 or 2; nullptr for any other index.
    virtual TCustomImageList *GetImageList(int Index) const = 0;

protected:
    ~TiPlotHost() = default;
};
