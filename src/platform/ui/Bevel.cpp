#include "platform/ui/Bevel.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TBevel)
{
    b.Enum("Shape", &TBevel::Shape, &TBevel::SetShape, BevelShapeNames).Default(bsBox);
    b.Enum("Style", &TBevel::Style, &TBevel::SetStyle, BevelStyleNames).Default(bsLowered);
}

TBevel::TBevel(TComponent *AOwner) : TGraphicControl(AOwner)
{
    FControlStyle << csReplicatable;
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value)
{
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value)
{
    FStyle = value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->Pen()->SetWidth(1);
    const TColor c1 = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor c2 = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width();
    const int h = Height();
    const auto line = [canvas](TColor c, int x1, int y1, int x2, int y2) {
        canvas->Pen()->SetColor(c);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    const auto box = [&](TColor top, TColor bottom, int x, int y, int bw, int bh) {
        line(top, x, y + bh - 1, x, y);
        line(top, x, y, x + bw - 1, y);
        line(bottom, x + bw - 1, y, x + bw - 1, y + bh - 1);
        line(bottom, x + bw - 1, y + bh - 1, x - 1, y + bh - 1);
    };
    switch (FShape) {
    case bsBox:
        box(c1, c2, 0, 0, w, h);
        break;
    case bsFrame:
        box(c1, c1, 0, 0, w - 1, h - 1);
        box(c2, c2, 1, 1, w - 1, h - 1);
        break;
    case bsTopLine:
        line(c1, 0, 0, w, 0);
        line(c2, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(c1, 0, h - 2, w, h - 2);
        line(c2, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(c1, 0, 0, 0, h);
        line(c2, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(c1, w - 2, 0, w - 2, h);
        line(c2, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
