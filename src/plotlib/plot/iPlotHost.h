#pragma once
// What a plot object asks of the plot control that owns it: the plot events of the object's kind
// (the control finds the kind and the object's index in its manager and fires the matching event,
// or nothing while it loads), its translation list and its three image lists. The plot control
// implements it; tests put a small control in its place. An object whose owner does not implement
// it reports nothing, translates nothing and sees no image lists. GUI thread.

#include "platform/runtime/Events.h"

class TCustomImageList;
class TiPlotObject;
class TiPlotTranslationManager;

class TiPlotHost {
public:
    virtual void DoObjectMouseDown(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseMove(TiPlotObject *Object, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseUp(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) = 0;
    virtual void DoObjectMouseWheel(TiPlotObject *Object, int WheelDelta, TShiftState Shift, int X, int Y) = 0;
    // The handler may set Cancel to keep the object's popup menu from being filled and shown.
    virtual void DoObjectPopupMenu(TiPlotObject *Object, bool &Cancel, int ScreenX, int ScreenY) = 0;
    virtual void DoObjectGotFocus(TiPlotObject *Object) = 0;
    virtual void DoObjectLostFocus(TiPlotObject *Object) = 0;
    // nullptr while the plot has none (during its construction and destruction).
    virtual TiPlotTranslationManager *GetTranslationManager() const = 0;
    // Image list 0, 1 or 2; nullptr for any other index.
    virtual TCustomImageList *GetImageList(int Index) const = 0;

protected:
    ~TiPlotHost() = default;
};
