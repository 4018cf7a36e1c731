#pragma once
// TCustomControl: a windowed control with a canvas and a virtual Paint. Paint draws on Canvas();
// the framework has already erased the background (Color, or the parent's image with
// ParentBackground) and paints the windowless children afterwards.
//
//   class TMeter : public TCustomControl {
//       T_DECLARE_CLASS(TMeter, TCustomControl)
//       explicit TMeter(TComponent *AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 20, 100); }
//   protected:
//       void Paint() override { Canvas()->Brush()->SetColor(clLime); Canvas()->FillRect(ClientRect()); }
//   };

#include <memory>

#include "platform/ui/ControlsCanvas.h"
#include "platform/ui/ControlsWinControl.h"

class TCustomControl : public TWinControl {
    T_DECLARE_CLASS(TCustomControl, TWinControl)
    explicit TCustomControl(TComponent *AOwner);
    ~TCustomControl() override;
    TCanvas *Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(TCanvas *dc) override;
protected:  // message handlers, registered by number in the class description
    void WMPaint(TMessage &m);
protected:

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
