#pragma once
// TGraphicControl: a control without a window. Its parent paints it after the parent's own
// painting and below the parent's windowed children, through WM_PAINT with the parent's device
// context; Paint draws on Canvas() in the control's own coordinates. Input reaches it through the
// parent's hit test; Invalidate repaints the parent's area under it, so a control that is not
// csOpaque shows the parent wherever it paints nothing.

#include <memory>

#include "platform/ui/Controls.h"
#include "platform/ui/ControlsCanvas.h"

class TGraphicControl : public TControl {
    T_DECLARE_CLASS(TGraphicControl, TControl)
    explicit TGraphicControl(TComponent *AOwner);
    ~TGraphicControl() override;
    TCanvas *Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
protected:  // message handlers, registered by number in the class description
    void WMPaint(TMessage &m);
protected:

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
