#pragma once
// TUpDown: a pair of arrow buttons that step Position by Increment between Min and Max (Wrap goes
// round), showing it in the Associate control's text. A press on an arrow asks OnChanging, steps,
// and fires OnClick with the arrow (btNext, btPrev); writing Position by code fires nothing.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/ControlsCustomControl.h"

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };
inline constexpr auto UDOrientationNames = EnumNames<TUDOrientation>("udHorizontal", "udVertical");
using TUDClickEvent = TEvent<void(TObject *Sender, TUDBtnType Button)>;
using TUDChangingEvent = TEvent<void(TObject *Sender, bool &AllowChange)>;

class TUpDown : public TCustomControl {
    T_DECLARE_CLASS(TUpDown, TCustomControl)

public:
    explicit TUpDown(TComponent *AOwner);

    int Min() const { return FMin; }
    void SetMin(int value) { FMin = value; }
    int Max() const { return FMax; }
    void SetMax(int value) { FMax = value; }
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value) { FWrap = value; }
    bool Thousands() const { return FThousands; }
    void SetThousands(bool value);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    TWinControl *Associate() const { return FAssociate; }
    void SetAssociate(TWinControl *value);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

    void Notification(TComponent *AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // One step of the user in the direction of the arrow.
    virtual void Step(TUDBtnType button);
    void ShowInAssociate();

private:
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    bool FWrap = false;
    bool FThousands = true;
    TUDOrientation FOrientation = udVertical;
    TWinControl *FAssociate = nullptr;
    int FPressed = -1;  // the arrow held down, -1 none
};
