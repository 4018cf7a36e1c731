#pragma once
// TScrollBox: a container whose children may reach past its client area; scroll bars appear as
// needed (AutoScroll) and move the children.

#include "platform/ui/ControlsScrollingWinControl.h"
#include "platform/ui/StdCtrlsTypes.h"

class TScrollBox : public TScrollingWinControl {
    T_DECLARE_CLASS(TScrollBox, TScrollingWinControl)

public:
    explicit TScrollBox(TComponent *AOwner);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

protected:
    void PaintWindow(TCanvas *dc) override;

private:
    TBorderStyle FBorderStyle = bsSingle;
};
