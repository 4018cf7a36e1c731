#include "platform/ui/ControlsCustomControl.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TCustomControl)
{
    b.Message(WM_PAINT, &TCustomControl::WMPaint);
}

TCustomControl::TCustomControl(TComponent *AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::WMPaint(TMessage &m)
{
    FControlState << csCustomPaint;
    DispatchFrom(inherited::StaticClass(), m);
    FControlState >> csCustomPaint;
}

void TCustomControl::PaintWindow(TCanvas *dc)
{
    FCanvas->PaintThrough(dc, [this] { Paint(); });
}
