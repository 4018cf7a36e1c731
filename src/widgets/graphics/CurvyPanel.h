#pragma once
// TCurvyPanel: a windowed control that paints a rounded, anti-aliased shape in one flat colour
// with an outline and a thin shadow line along the inner top edge; outside the shape its parent
// (and the parent's windowless controls below it) shows through. Left and right indents keep
// room free at the ends for the image buttons of TCurvyControlPanel.
//
// A write of Rounding or BorderColor repaints later; a change of Color calls ColorChanged, which
// repaints at once.

#include "platform/runtime/StoreChanged.h"
#include "platform/ui/ControlsCustomControl.h"

class TCurvyPanel : public TCustomControl {
    T_DECLARE_CLASS(TCurvyPanel, TCustomControl)
    explicit TCurvyPanel(TComponent *AOwner);

    // Corner radius in pixels.
    int Rounding() const { return FRounding; }
    void SetRounding(int value) { Set(FRounding, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Set(FBorderColor, value); }
    // The colour of the inner top shadow line; clNone leaves it out.
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { Set(FShadowColor, value); }
    int LeftIndent() const { return FLeftIndent; }
    void SetLeftIndent(int value) { Set(FLeftIndent, value); }
    int RightIndent() const { return FRightIndent; }
    void SetRightIndent(int value) { Set(FRightIndent, value); }

protected:
    // Called after Color changed: repaints at once.
    virtual void ColorChanged();
    void Paint() override;

protected:  // message handlers, registered by number in the class description
    void WMEraseBkgnd(TMessage &m);
    void CMColorChanged(TMessage &m);

private:
    // Stores a different value and repaints later.
    template <class T>
    void Set(T &field, const T &value)
    {
        if (StoreChanged(field, value))
            Invalidate();
    }

    int FRounding = 8;
    TColor FBorderColor = clGray;
    TColor FShadowColor = 0xD9D9D9;
    int FLeftIndent = 0;
    int FRightIndent = 0;
};
