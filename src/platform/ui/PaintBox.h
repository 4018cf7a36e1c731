#pragma once
// TPaintBox: a windowless area the program paints itself: OnPaint draws on Canvas (the
// control's own coordinates) each time the area is painted.

#include "platform/ui/ControlsGraphicControl.h"

class TPaintBox : public TGraphicControl {
    T_DECLARE_CLASS(TPaintBox, TGraphicControl)

public:
    explicit TPaintBox(TComponent *AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
