#pragma once
// TCustomPanel and TPanel: a container with an outer and an inner bevel (raised or lowered, of
// BevelWidth), a border of BorderWidth in its own colour between them, and the caption centred
// (Alignment, VerticalAlignment). Child controls are aligned inside the bevels and the border.

#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/StdCtrlsTypes.h"

class TCustomPanel : public TCustomControl {
    T_DECLARE_CLASS(TCustomPanel, TCustomControl)

public:
    explicit TCustomPanel(TComponent *AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool value) { FFullRepaint = value; }
    bool Locked() const { return FLocked; }
    void SetLocked(bool value) { FLocked = value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }

    TRect GetClientRect() const override;

protected:  // message handlers, registered by number in the class description
    void CMTextChanged(TMessage &m);

protected:
    void Paint() override;
    void AdjustClientRect(TRect &rect) override;
    // Width of the window border of BorderStyle bsSingle.
    int WindowBorder() const { return FBorderStyle == bsSingle ? 1 : 0; }
    void BordersChanged();

    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVerticalAlignment = taVerticalCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    bool FFullRepaint = true;
    bool FLocked = false;
    bool FAutoSize = false;
};

class TPanel : public TCustomPanel {
    T_DECLARE_CLASS(TPanel, TCustomPanel)

public:
    explicit TPanel(TComponent *AOwner) : TCustomPanel(AOwner) {}
};

// Draws `width` rings of a 3-D frame on the rectangle (top and left in topColor, bottom and
// right in bottomColor) and shrinks it by them.
void Frame3D(TCanvas *canvas, TRect &rect, TColor topColor, TColor bottomColor, int width);
