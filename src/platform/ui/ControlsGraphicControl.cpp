#include "platform/ui/ControlsGraphicControl.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TGraphicControl)
{
    b.Message(WM_PAINT, &TGraphicControl::WMPaint);
}

TGraphicControl::TGraphicControl(TComponent *AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WMPaint(TMessage &m)
{
    auto *dc = reinterpret_cast<TCanvas *>(m.WParam);
    if (!dc || ComponentState().Contains(csDestroying))
        return;
    FCanvas->PaintThrough(dc, [this] { Paint(); });
}
