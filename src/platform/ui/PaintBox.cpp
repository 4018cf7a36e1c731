#include "platform/ui/PaintBox.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TPaintBox)
{
    b.Event("OnPaint", &TPaintBox::OnPaint);
}

TPaintBox::TPaintBox(TComponent *AOwner) : TGraphicControl(AOwner)
{
    FControlStyle << csReplicatable;
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint()
{
    Canvas()->SetFont(Font());
    Canvas()->Brush()->SetColor(Color());
    if (OnPaint)
        OnPaint(this);
}
