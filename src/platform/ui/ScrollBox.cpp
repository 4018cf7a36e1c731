#include "platform/ui/ScrollBox.h"

#include "platform/ui/Canvas.h"
#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TScrollBox)
{
    b.Enum("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle, FormBorderStyleNames)
        .Default(bsSingle);
    b.Bool("TabStop", &TScrollBox::TabStop, &TScrollBox::SetTabStop).Default(false);
}

TScrollBox::TScrollBox(TComponent *AOwner) : TScrollingWinControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    Invalidate();
}

void TScrollBox::PaintWindow(TCanvas *dc)
{
    TScrollingWinControl::PaintWindow(dc);
    if (FBorderStyle == bsNone)
        return;
    TRect r(0, 0, Width(), Height());
    dc->DrawEdge(r, EDGE_SUNKEN, BF_RECT);
}
